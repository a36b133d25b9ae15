// Writes the document fuzz target's seed files into the folder given:
//   eventlist_document_seeds fuzz/eventlist/seeds/fuzz_eventlist_document
#include <cstdio>
#include <fstream>
#include <string>

#include "tests/eventlist/document/DocumentFuzzSeeds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: eventlist_document_seeds FOLDER\n");
        return 2;
    }
    for (const auto& [name, bytes] : xd::test::DocumentFuzzSeeds()) {
        std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
        out << bytes;
        if (!out) return 1;
    }
    return 0;
}
