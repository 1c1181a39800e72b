// Saved files are synced to disk, which would hold a file-writing target to a few hundred runs a second;
// a fuzz run needs no durability, so the harnesses take the place of libc's sync.
extern "C" int fdatasync(int)
{
    return 0;
}

extern "C" int fsync(int)
{
    return 0;
}
