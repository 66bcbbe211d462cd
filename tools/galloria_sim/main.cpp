// galloria-sim: races, odds and stables of the game without a window.
#include "sim.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    return galloria::sim::RunGalloriaSim(words, std::cout, std::cerr);
}
