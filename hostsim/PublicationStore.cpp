#include "hostsim/PublicationStore.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "hostsim/PublicationFile.h"
#include "hostsim/TextLine.h"

namespace fs = std::filesystem;

namespace hostsim {

namespace {

const char* const kRecordSuffix = ".rec";

std::string Encode(const std::string& part)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (char ch : part) {
        auto c = static_cast<unsigned char>(ch);
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

bool Decode(const std::string& part, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] != '%') {
            if (part[i] == '.') return false;
            out += part[i];
            continue;
        }
        if (i + 2 >= part.size()) return false;
        try {
            out += static_cast<char>(ParseNumber("0x" + part.substr(i + 1, 2), 0, 255));
        } catch (const FileFormatError&) {
            return false;
        }
        i += 2;
    }
    return true;
}

}  // namespace

std::string RecordFileName(const std::string& name, const std::string& type)
{
    return Encode(name) + "." + Encode(type) + kRecordSuffix;
}

bool RecordFromFileName(const std::string& fileName, std::string& name, std::string& type)
{
    std::string suffix = kRecordSuffix;
    if (fileName.size() <= suffix.size() || fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    std::string stem = fileName.substr(0, fileName.size() - suffix.size());
    std::size_t dot = stem.find('.');
    if (dot == std::string::npos) return false;
    return Decode(stem.substr(0, dot), name) && Decode(stem.substr(dot + 1), type);
}

bool LoadPublicationData(const std::string& folder, Publication& publication)
{
    std::error_code error;
    fs::path records = fs::u8path(folder) / "records";
    if (!fs::is_directory(records, error)) return false;

    publication.records.clear();
    for (const fs::directory_entry& entry : fs::directory_iterator(records, error)) {
        std::string name, type;
        if (!entry.is_regular_file(error) || !RecordFromFileName(entry.path().filename().u8string(), name, type)) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        publication.records[std::make_pair(name, type)] = std::move(bytes);
    }

    for (SimPage& page : publication.pages) page.labels.clear();
    std::ifstream labels(fs::u8path(folder) / "labels.txt", std::ios::binary);
    std::string line;
    int lineNumber = 0;
    while (labels && std::getline(labels, line)) {
        ++lineNumber;
        try {
            std::vector<std::string> words = SplitWords(line);
            if (words.empty()) continue;
            if (words[0] != "label") throw FileFormatError("not a label line");
            ApplyLabelLine(words, publication);  // a page gone since keeps no label
        } catch (const FileFormatError& e) {
            throw FileFormatError(folder + "/labels.txt:" + std::to_string(lineNumber) + ": " + e.what());
        }
    }
    return true;
}

void SavePublicationData(const std::string& folder, const Publication& publication)
{
    std::error_code error;
    fs::path records = fs::u8path(folder) / "records";
    fs::create_directories(records, error);
    if (error) throw FileFormatError(folder + ": cannot create the data folder: " + error.message());

    // Records the plug-in deleted must not come back: the folder holds exactly the records.
    for (const fs::directory_entry& entry : fs::directory_iterator(records, error)) {
        std::string name, type;
        if (RecordFromFileName(entry.path().filename().u8string(), name, type)) fs::remove(entry.path(), error);
    }
    for (const auto& record : publication.records) {
        fs::path path = records / RecordFileName(record.first.first, record.first.second);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(record.second.data(), static_cast<std::streamsize>(record.second.size()));
        if (!out) throw FileFormatError(path.u8string() + ": cannot write the record");
    }

    std::ostringstream text;
    text << "# Page labels: label KEY CREATOR TYPE TEXT\n";
    for (const SimPage& page : publication.pages) {
        for (const auto& label : page.labels) {
            text << "label " << page.key << " " << QuoteWord(label.first.first) << " " << QuoteWord(label.first.second)
                 << " " << QuoteWord(label.second) << "\n";
        }
    }
    fs::path labelsPath = fs::u8path(folder) / "labels.txt";
    std::ofstream labels(labelsPath, std::ios::binary | std::ios::trunc);
    labels << text.str();
    if (!labels) throw FileFormatError(labelsPath.u8string() + ": cannot write the labels");
}

}  // namespace hostsim
