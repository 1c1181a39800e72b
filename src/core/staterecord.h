#pragma once

#include <QString>

#include <optional>

namespace lumetra {

class Catalogue;
class RecordView;

// What one run leaves for the next in the opts table: the player volume and the start mode.
struct StateRecord {
    QString folders;   // player volume as decimal text
    QString formcolor; // "jukebox" when the run ended in Jukebox mode
    bool present = false;

    static constexpr int kFirstRunVolume = 100;

    // Reads the current record of the opts view (its first record after refresh()).
    static StateRecord read(const RecordView &opts);

    // The volume to apply: the leading integer of `folders`, clamped to 0..100; empty text gives 0.
    // Without any stored record (a first run) the player starts at kFirstRunVolume.
    int volume() const;

    // Replaces every opts record by one holding `volume` and the start mode, in one transaction so a
    // kill never leaves the table empty or doubled.
    static bool write(Catalogue &catalogue, RecordView &opts, int volume, bool jukebox);
};

} // namespace lumetra
