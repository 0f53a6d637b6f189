#pragma once

namespace sweepfilter {

// How the level tracker's windows and the alternating input offset meet the
// host's blocks. Each front door picks one when it makes its signal path.
enum class WindowPolicy {
  // The DLL's: every block starts new windows and counts the offset back from
  // its own last sample (+ there). A block shorter than a window (512 samples
  // SOFT, 64 HARD) makes no control update, and a block's unfinished last
  // window is dropped.
  perBlock,
  // Every other door's: windows and offset run on across blocks, so the sound
  // does not depend on how the host splits the stream. A window ends after
  // every windowLength-th sample since the stream began (or since the window
  // length last changed); the offset is + on the stream's odd samples,
  // counted from 0. Where every block is even and whole windows this gives
  // the DLL's bits. At the edges:
  // - a block whose "Soft/Hard" gives another window length drops the
  //   unfinished window and starts a new one (a window is a mean over one
  //   length), as the DLL drops a block's unfinished window;
  // - a "Mode" change restarts the LFO phases, as in the DLL; the windows and
  //   the offset go on;
  // - a block of 0 frames, or one without buffers, runs the block start (a
  //   "Mode" or window length change) and moves the stream on by nothing;
  // - a fresh signal path (a door's activation) is a fresh stream.
  continuous,
};

}  // namespace sweepfilter
