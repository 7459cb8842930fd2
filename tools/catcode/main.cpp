// catcode: writes the shipped catalogue and parts map from their sources, or checks them.
//
//   catcode catalogue <catalogue.txt> <config2.bin>
//   catcode mapping <mapping.bin>
//   catcode check <catalogue.txt> <config2.bin> <mapping.bin>

#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "tools/catcode/CatalogueSource.h"
#include "tools/catcode/PartsMapSource.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot write " + path);
}

std::string CodedCatalogue(const std::string& sourcePath) {
    return catcode::CodeCatalogue(catcode::ParseCatalogueSource(ReadFile(sourcePath)));
}

bool Matches(const std::string& path, const std::string& expected) {
    if (ReadFile(path) == expected) return true;
    std::cerr << path << " does not match its source; run the update_catalogue target\n";
    return false;
}

int Run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "catalogue" && argc == 4) {
        WriteFile(argv[3], CodedCatalogue(argv[2]));
        return 0;
    }
    if (command == "mapping" && argc == 3) {
        WriteFile(argv[2], catcode::CodePartsMap(catcode::PartsMapRows()));
        return 0;
    }
    if (command == "check" && argc == 5) {
        const bool catalogue = Matches(argv[3], CodedCatalogue(argv[2]));
        const bool mapping = Matches(argv[4], catcode::CodePartsMap(catcode::PartsMapRows()));
        return catalogue && mapping ? 0 : 1;
    }
    std::cerr << "usage: catcode catalogue <catalogue.txt> <config2.bin>\n"
                 "       catcode mapping <mapping.bin>\n"
                 "       catcode check <catalogue.txt> <config2.bin> <mapping.bin>\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "catcode: " << e.what() << "\n";
        return 1;
    }
}
