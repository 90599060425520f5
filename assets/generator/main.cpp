// Writes the game's pictures and sound into the directory given as the only argument.
// Everything is computed, nothing is random, so every run writes the same bytes.
#include "bmp.h"
#include "pictures.h"
#include "wav.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    try {
        using namespace gen;
        writeIndexedBmp(dir + "background.bmp", makeBackground(), 8);
        writeIndexedBmp(dir + "alphabet.bmp", makeAlphabet(), 8);
        writeIndexedBmp(dir + "title.bmp", makeTitle(), 8);
        writeIndexedBmp(dir + "icon.bmp", makeIcon(), 4);

        const int stripWidth = kFrameSize * kFrames;
        const IndexedImage bomb = makeBomb();
        std::vector<Rgb> bombColours;
        for (std::uint8_t index : bomb.pixels)
            bombColours.push_back(bomb.palette[index]);
        writeIndexedBmp(dir + "bomb.bmp", bomb, 8);
        writeIndexedBmp(dir + "bombmask.bmp", maskOf(stripWidth, kFrameSize, bombColours), 1);

        const std::vector<Rgb> restore = makeRestore();
        writeRgbBmp(dir + "restore.bmp", stripWidth, kFrameSize, restore);
        writeIndexedBmp(dir + "restoremask.bmp", maskOf(stripWidth, kFrameSize, restore), 8);

        writeIndexedBmp(dir + "target.bmp", makeTarget(), 1);
        writeWav(dir + "bomb.wav", makeExplosion());
    } catch (const std::exception& e) {
        std::cerr << "asset-generator: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
