// The main of every test binary. The tests read the program folder (the
// databases, the ephemeris table and the tools in build/bin) and the sources
// (reference tables) through TARVIK_BIN_DIR and TARVIK_SOURCE_DIR, and open
// the databases from the working directory as the program opens them from
// its folder. ctest sets all three; a binary started by hand from anywhere
// gets the build's own folders. The ephemeris is read once, as the program
// reads it at start.

#include "calc/EphemerisTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    setenv("TARVIK_BIN_DIR", TARVIK_TEST_BIN_DIR, 0);
    setenv("TARVIK_SOURCE_DIR", TARVIK_TEST_SOURCE_DIR, 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::filesystem::current_path(std::getenv("TARVIK_BIN_DIR"));
    try {
        tarvik::LoadEphemeris(std::string(std::getenv("TARVIK_BIN_DIR")) + "/" +
                              std::string(tarvik::EphemerisFileName));
    } catch (const tarvik::EphemerisFileError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
