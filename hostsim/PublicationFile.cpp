#include "hostsim/PublicationFile.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "hostsim/RecordDescription.h"
#include "hostsim/TextLine.h"

namespace hostsim {

namespace {

std::int16_t Int16(const std::string& word) { return static_cast<std::int16_t>(ParseNumber(word, -32768, 32767)); }
std::int32_t Int32(const std::string& word)
{
    return static_cast<std::int32_t>(ParseNumber(word, -2147483647LL - 1, 2147483647LL));
}

void NeedWords(const std::vector<std::string>& words, std::size_t low, std::size_t high)
{
    if (words.size() < low || words.size() > high) {
        throw FileFormatError("wrong number of values for " + words[0]);
    }
}

std::string Resolve(const std::string& folder, const std::string& base)
{
    bool absolute = !folder.empty() && (folder[0] == '/' || folder[0] == '\\' ||
                                        (folder.size() > 1 && folder[1] == ':'));
    if (absolute || base.empty()) return folder;
    return base + "/" + folder;
}

int PageIndex(const Publication& pub, const std::string& word)
{
    int number = Int16(word);
    int index = number - pub.firstPage;
    if (index < 0 || index >= static_cast<int>(pub.pages.size())) throw FileFormatError("no page " + word);
    return index;
}

void ReadColor(const std::vector<std::string>& words, Publication& pub)
{
    if (words.size() < 6) throw FileFormatError("color needs a name and C M Y K");
    SimColor color;
    color.name = words[1];
    color.c = Int16(words[2]);
    color.m = Int16(words[3]);
    color.y = Int16(words[4]);
    color.k = Int16(words[5]);
    color.density = ComponentDensity(color.c, color.m, color.y, color.k);
    for (std::size_t i = 6; i < words.size(); ++i) {
        const std::string& option = words[i];
        if (option == "refuse-density") {
            color.refuseDensity = true;
        } else if (option == "inks") {
            color.inks.assign(words.begin() + static_cast<long>(i) + 1, words.end());
            break;
        } else if ((option == "kind" || option == "density") && i + 1 < words.size()) {
            std::int16_t value = Int16(words[++i]);
            (option == "kind" ? color.kind : color.density) = value;
        } else {
            throw FileFormatError("unknown colour option: " + option);
        }
    }
    if (pub.FindColor(color.name) != nullptr) throw FileFormatError("colour defined twice: " + color.name);
    pub.colors.push_back(color);
}

void ReadPages(const std::vector<std::string>& words, Publication& pub)
{
    if (words.size() < 2) throw FileFormatError("pages needs a count");
    int count = static_cast<int>(ParseNumber(words[1], 0, 9999));
    pub.SetPageCount(count);
    if (words.size() == 2) return;
    if (words[2] != "keys" || words.size() != static_cast<std::size_t>(count) + 3) {
        throw FileFormatError("pages N keys K1 .. KN");
    }
    for (int i = 0; i < count; ++i) {
        std::int32_t key = Int32(words[static_cast<std::size_t>(i) + 3]);
        if (pub.PageIndexOfKey(key) >= 0) throw FileFormatError("page key given twice: " + words[i + 3]);
        pub.pages[static_cast<std::size_t>(i)].key = key;
        pub.nextPageKey = std::max(pub.nextPageKey, key + 1);
    }
}

void ReadFailure(const std::vector<std::string>& words, PublicationSetup& setup)
{
    if (words.size() < 3) throw FileFormatError("fail needs a request and a status");
    FailRule rule;
    auto id = static_cast<std::uint16_t>(ParseNumber(words[1], 0, 65535));
    rule.status = Int16(words[2]);
    for (std::size_t i = 3; i + 1 < words.size(); i += 2) {
        if (words[i] == "skip") {
            rule.skip = static_cast<int>(ParseNumber(words[i + 1], 0, 1000000));
        } else if (words[i] == "times") {
            rule.times = static_cast<int>(ParseNumber(words[i + 1], -1, 1000000));
        } else {
            throw FileFormatError("unknown failure option: " + words[i]);
        }
    }
    if (words.size() % 2 == 0) throw FileFormatError("failure option without a value");
    setup.failures[id] = rule;
}

// One line outside a record block.
void ReadLine(const std::vector<std::string>& w, const std::string& base, PublicationSetup& setup)
{
    Publication& pub = setup.publication;
    const std::string& key = w[0];
    if (key == "host") {
        NeedWords(w, 2, 2);
        pub.hostIdentity = w[1];
    } else if (key == "name") {
        NeedWords(w, 2, 2);
        pub.name = w[1];
    } else if (key == "state") {
        NeedWords(w, 2, 2);
        pub.state = Int16(w[1]);
    } else if (key == "first-page") {
        NeedWords(w, 2, 2);
        pub.firstPage = Int16(w[1]);
    } else if (key == "pages") {
        ReadPages(w, pub);
    } else if (key == "move") {
        NeedWords(w, 3, 3);
        int from = PageIndex(pub, w[1]);
        int to = PageIndex(pub, w[2]);
        SimPage page = pub.pages[static_cast<std::size_t>(from)];
        pub.pages.erase(pub.pages.begin() + from);
        pub.pages.insert(pub.pages.begin() + to, page);
    } else if (key == "remove") {
        NeedWords(w, 2, 2);
        pub.pages.erase(pub.pages.begin() + PageIndex(pub, w[1]));
    } else if (key == "page-size" || key == "paper-size") {
        NeedWords(w, 3, 3);
        (key == "page-size" ? pub.pageWidth : pub.paperWidth) = Int32(w[1]);
        (key == "page-size" ? pub.pageHeight : pub.paperHeight) = Int32(w[2]);
    } else if (key == "copies" || key == "reverse" || key == "parity" || key == "spreads" ||
               key == "print-output" || key == "trap-output" || key == "print-setting") {
        NeedWords(w, 2, 2);
        std::int16_t value = Int16(w[1]);
        if (key == "copies") pub.copies = value;
        if (key == "reverse") pub.reverse = value;
        if (key == "parity") pub.parity = value;
        if (key == "spreads") pub.spreads = value;
        if (key == "print-output") pub.printOutputKind = value;
        if (key == "trap-output") pub.trapOutput = value;
        if (key == "print-setting") pub.printSetting = value;
    } else if (key == "page-range") {
        NeedWords(w, 2, 2);
        pub.pageRange = w[1];
    } else if (key == "folder") {
        NeedWords(w, 2, 3);
        pub.folder = Resolve(w[1], base);
        if (w.size() == 3) pub.secondFolder = Resolve(w[2], base);
    } else if (key == "color") {
        ReadColor(w, pub);
    } else if (key == "ink-density") {
        NeedWords(w, 3, 3);
        pub.inkDensities[w[1]] = Int16(w[2]);
    } else if (key == "strip") {
        if (w.size() < 3) throw FileFormatError("strip KEY COLOUR...");
        int index = pub.PageIndexOfKey(Int32(w[1]));
        if (index < 0) throw FileFormatError("no page has key " + w[1]);
        for (std::size_t i = 2; i < w.size(); ++i) {
            if (pub.FindColor(w[i]) == nullptr) throw FileFormatError("strip of a colour not defined: " + w[i]);
        }
        pub.pages[static_cast<std::size_t>(index)].strip.assign(w.begin() + 2, w.end());
    } else if (key == "label") {
        if (!ApplyLabelLine(w, pub)) throw FileFormatError("no page has key " + w[1]);
    } else if (key == "fail") {
        ReadFailure(w, setup);
    } else {
        throw FileFormatError("unknown line: " + key);
    }
}

}  // namespace

bool ApplyLabelLine(const std::vector<std::string>& words, Publication& publication)
{
    if (words.size() != 5) throw FileFormatError("label KEY CREATOR TYPE TEXT");
    int index = publication.PageIndexOfKey(Int32(words[1]));
    if (index < 0) return false;
    publication.pages[static_cast<std::size_t>(index)].labels[std::make_pair(words[2], words[3])] = words[4];
    return true;
}

void ReadPublicationText(std::istream& in, const std::string& baseFolder, const std::string& sourceName,
                         PublicationSetup& setup)
{
    bool folderGiven = false;
    std::string line;
    int lineNumber = 0;
    std::string recordName, recordType;
    std::unique_ptr<RecordEncoder> record;
    int recordLine = 0;
    try {
        while (std::getline(in, line)) {
            ++lineNumber;
            std::vector<std::string> words = SplitWords(line);
            if (words.empty()) continue;
            if (record) {
                if (words[0] == "end" && words.size() == 1) {
                    setup.publication.records[std::make_pair(recordName, recordType)] = record->Bytes();
                    record.reset();
                } else {
                    record->Add(words);
                }
                continue;
            }
            if (words[0] == "record") {
                NeedWords(words, 3, 3);
                recordName = words[1];
                recordType = words[2];
                record = std::make_unique<RecordEncoder>();
                recordLine = lineNumber;
                continue;
            }
            folderGiven = folderGiven || words[0] == "folder";
            ReadLine(words, baseFolder, setup);
        }
        if (record) {
            lineNumber = recordLine;
            throw FileFormatError("record without its end line");
        }
    } catch (const FileFormatError& error) {
        throw FileFormatError(sourceName + ":" + std::to_string(lineNumber) + ": " + error.what());
    }
    if (!folderGiven && !setup.dataFolder.empty()) setup.publication.folder = setup.dataFolder;
}

PublicationSetup LoadPublicationFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileFormatError(path + ": cannot open the publication file");
    PublicationSetup setup;
    setup.publication.pages.clear();
    setup.dataFolder = path + ".data";
    std::size_t slash = path.find_last_of("/\\");
    std::string base = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
    ReadPublicationText(in, base, path, setup);
    return setup;
}

}  // namespace hostsim
