#pragma once

#include <QByteArray>
#include <QList>

#include <initializer_list>

// The messages between the window and its sound engine: one line each, words separated by one blank, every
// word percent-encoded so that paths with blanks or line ends stay one word.
//
// Window to engine:
//   load ID GAIN_DB FROM_MS PATH   the file to play next, replacing the one playing (faded out)
//   next ID NEXT_ID JOIN GAIN_DB PATH
//                                  what follows ID when it ends; JOIN is "gapless" or "crossfade"
//   next ID -                      nothing follows ID
//   play | pause | stop            the transport (pause, stop and a replaced file fade out; play fades in)
//   volume 0..100 | crossfade MS | ping N
// Engine to window:
//   loaded ID DURATION_MS | failed ID REASON | position ID MS
//   ask ID                         ID nears its end: which file follows?
//   joined ID NEXT_ID              NEXT_ID is heard now, following ID
//   ended ID                       ID played to its end and nothing follows
//   pong N BLOCKS                  BLOCKS: how much sound the engine has put out so far
namespace lumetra::wire {

QByteArray line(std::initializer_list<QByteArray> words);
QList<QByteArray> words(const QByteArray &line);

} // namespace lumetra::wire
