// "tavik-almanac map": the world map of where the crescent can be seen on an
// evening (a morning), as a picture and as a table.
#pragma once

namespace tavik::almanac {

// argv[1] is "map". The command draws text into a picture, so it makes its
// own (screenless) application: call it before any other. Returns the exit
// code: 0, 2 for bad input or a file that cannot be written (nothing is
// then written), 3 for a fault of the ephemeris.
int runMapCommand(int argc, char* argv[]);

}  // namespace tavik::almanac
