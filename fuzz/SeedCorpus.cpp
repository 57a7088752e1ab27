// Makes the seed corpus of every harness from the program's own pieces: documents saved as the
// program saves them (a new one, the demo channels in either language, a damaged one), INI
// files of the store's edge cases and one the store wrote itself, and the radio's side of good
// and failing exchanges.
//
// Usage: fuzz-seeds DIRECTORY (fuzz/corpus); writes DIRECTORY/<harness>/<seed>.

#include "TapeWriter.h"

#include "DemoChannels.h"

#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"
#include "grid/csv/CsvChannelExport.h"
#include "image/ChannelFile.h"
#include "radiolink/CloneFrames.h"
#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

namespace {

using namespace tevano;
using namespace tevano::fuzz;

std::string root;

std::string SeedPath(const std::string& harness, const std::string& seed) {
    const std::string directory = root + "/" + harness;
    mkdir(directory.c_str(), 0755);
    return directory + "/" + seed;
}

void WriteSeed(const std::string& harness, const std::string& seed, const Bytes& bytes) {
    std::ofstream out(SeedPath(harness, seed), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void WriteSeed(const std::string& harness, const std::string& seed, const std::string& text) {
    WriteSeed(harness, seed, Bytes(text.begin(), text.end()));
}

Bytes ReadSeed(const std::string& harness, const std::string& seed) {
    std::ifstream in(SeedPath(harness, seed), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Ends the run when a document could not be saved: a corpus without that seed would look whole.
void MustBeSaved(const FileResult& result, const std::string& seed) {
    if (!result.Ok()) {
        std::fprintf(stderr, "fuzz-seeds: cannot save %s: %s\n", seed.c_str(),
                     std::strerror(result.systemError));
        std::exit(1);
    }
}

// A document made and saved the way File New (and tevano-cli new --demo) makes and saves it.
RadioImage SavedDocument(const std::string& seed, bool demo, Language language) {
    RadioImage image{};
    MakeNewImage(image);
    HeadlessChannelForm form(language);
    ShowImage(image, form.Form());
    if (demo) {
        cli::WriteDemoChannels(image, language);
    }
    MustBeSaved(SaveChannelFile(SeedPath("channel-file", seed), form.Form(), image), seed);
    return image;
}

RadioImage ChannelFileSeeds() {
    SavedDocument("new.sin", false, Language::English);
    const RadioImage demo = SavedDocument("demo.sin", true, Language::English);
    SavedDocument("demo-chinese.sin", true, Language::Chinese);
    // The loader ignores what follows the image; the harness reads a 1 there as Chinese.
    Bytes chinese = ReadSeed("channel-file", "demo-chinese.sin");
    chinese.push_back(1);
    WriteSeed("channel-file", "demo-chinese.sin", chinese);

    // Digits that are not decimal, in a frequency and in both tone words.
    RadioImage damaged = demo;
    const std::uint8_t odd[12] = {0x00, 0x00, 0x00, 0xFA, 0x00, 0x00,
                                  0x50, 0x14, 0xFF, 0x80, 0x75, 0x7F};
    std::copy(odd, odd + 12, damaged.begin() + static_cast<long>(ChannelOffset(7)));
    MustBeSaved(StoreChannelFile(SeedPath("channel-file", "damaged.sin"), damaged), "damaged.sin");
    WriteSeed("channel-file", "short.sin", Bytes(demo.begin(), demo.begin() + 1000));
    return demo;
}

void IniFileSeeds() {
    WriteSeed("ini-file", "empty.ini", std::string());
    WriteSeed("ini-file", "rules.ini",
              "top = 1\r\n[MAIN]\r\n  Language =  prog_CH  \r\n; comment = 1\n/slash = 2\n"
              "\\back = 3\n*star = 4\n= no key\n\nbare key\nkey=first\nkey = second = more\n"
              "[ MAIN ]\nLANGUAGE=spaced\n[main]\nLANGUAGE=second section\ntail=no newline");
    WriteSeed("ini-file", "comments.ini",
              "[MAIN]\nLANGUAGE_FORCE=1 // forced\nLANGUAGE=prog_EN\t; note\nblock=value/* n */\n"
              "url=http://host\nmixed=a/*b//c\n[PORTS]\nCOM1 = /dev/ttyUSB0 \nCOM3=\n");
    WriteSeed("ini-file", "nameless.ini",
              "[A]\nx=1\n[]\ny=2\n[MAIN]\nLANGUAGE=x\n[]\nLANGUAGE=y\n");
    WriteSeed("ini-file", "non-ascii.ini",
              "[MAIN]\nLANGUAGE=x\n[\xE9\xA2\x91\xE9\x81\x93]\n"
              "\xC3\x89\x63ran=1\n");
    // One the store wrote itself after a language switch.
    const std::string written = SeedPath("ini-file", "switched.ini");
    std::remove(written.c_str());
    CIniFile ini;
    ini.Load(written, false, true, false);
    // Only the text the switch leaves in the store counts here.
    static_cast<void>(
        SwitchLanguage("prog", "prog_EN", ini, [](const std::string&) { return true; }));
    ini.SetValue("PORTS", "COM2", "/dev/pts/4");
    ini.Save(false);
}

constexpr unsigned kNeverCancel = 0;

// The radio's first answers: the acknowledgement of the wake-up and the identification with the
// radio's type code.
TapeWriter& Identifies(TapeWriter& tape, std::uint8_t radioType) {
    return tape.Arrives(1, {kAck}).Arrives(kIdentificationSize,
                                           {0x54, 0x45, 0x56, 0x41, radioType, 0x01, 0x00, 0x00});
}

// The radio's answers to a whole handshake: the identification, then the acknowledgement of the
// program's 0x06.
TapeWriter& Handshake(TapeWriter& tape, std::uint8_t radioType) {
    return Identifies(tape, radioType).Arrives(1, {kAck});
}

TapeWriter& ReadBlocks(TapeWriter& tape, const RadioImage& memory, int blocks) {
    for (int block = 0; block < blocks; ++block) {
        const std::uint16_t address = BlockAddress(block);
        Bytes reply = {kWriteCommand, static_cast<std::uint8_t>(address >> 8),
                       static_cast<std::uint8_t>(address & 0xFF), kBlockSize};
        reply.insert(reply.end(), memory.begin() + address, memory.begin() + address + 8);
        tape.Arrives(kReadReplySize, reply).Arrives(1, {kAck});
    }
    return tape;
}

TapeWriter ReadHeader(std::uint8_t flags, unsigned cancelAtCheck) {
    TapeWriter tape;
    tape.Byte(flags).Byte(0).Word(cancelAtCheck);
    return tape;
}

void CloneReadSeeds(const RadioImage& memory) {
    TapeWriter complete = ReadHeader(0, kNeverCancel);
    ReadBlocks(Handshake(complete, 0xFF), memory, kBlockCount);
    WriteSeed("clone-read", "complete", complete.bytes());

    // Fifteen silent attempts, Retry, then a radio that answers a few blocks and falls silent.
    TapeWriter retry = ReadHeader(0, kNeverCancel);
    for (int read = 0; read < 30; ++read) {
        retry.Silence(1);
    }
    retry.Answer(true);
    ReadBlocks(Handshake(retry, 0x38), memory, 3);
    WriteSeed("clone-read", "retry-then-silent", retry.bytes());

    TapeWriter shortReply = ReadHeader(0, kNeverCancel);
    ReadBlocks(Handshake(shortReply.Arrives(1, {0x15}), 0xFF), memory, 5)
        .Arrives(kReadReplySize, {0x57, 0x00, 0x28, 0x08, 1, 2, 3, 4, 5});
    WriteSeed("clone-read", "stray-byte-short-reply", shortReply.bytes());

    TapeWriter cancelled = ReadHeader(0, 120);
    ReadBlocks(Handshake(cancelled, 0xFF), memory, 10);
    WriteSeed("clone-read", "cancelled", cancelled.bytes());

    TapeWriter portError = ReadHeader(0, kNeverCancel);
    portError.Arrives(1, {kAck})
        .Arrives(kIdentificationSize, {0x54, 0x45, 0x56}, true)
        .Answer(false);
    WriteSeed("clone-read", "port-error", portError.bytes());
    WriteSeed("clone-read", "port-busy", ReadHeader(1, kNeverCancel).bytes());
}

TapeWriter WriteHeader(std::uint8_t flags, std::uint8_t failures, std::uint8_t typeCode) {
    TapeWriter tape;
    tape.Byte(flags).Byte(failures).Word(kNeverCancel).Byte(typeCode);
    return tape;
}

TapeWriter& Acknowledgements(TapeWriter& tape, int blocks) {
    for (int block = 0; block < blocks; ++block) {
        tape.Arrives(1, {kAck});
    }
    return tape;
}

void CloneWriteSeeds() {
    TapeWriter complete = WriteHeader(0, 0, 0x38);
    Acknowledgements(Handshake(complete, 0xFF), kBlockCount);
    WriteSeed("clone-write", "complete", complete.bytes());

    // The type question comes after the identification; after OK the handshake starts again.
    TapeWriter mismatch = WriteHeader(0, 0, 0x38);
    Identifies(mismatch, 0x39);
    mismatch.Answer(true);
    Acknowledgements(Handshake(mismatch, 0x39), kBlockCount);
    WriteSeed("clone-write", "type-mismatch-accepted", mismatch.bytes());

    TapeWriter refused = WriteHeader(0, 0, 0x38);
    Identifies(refused, 0x3A);
    refused.Answer(false);
    WriteSeed("clone-write", "type-mismatch-refused", refused.bytes());

    TapeWriter interrupted = WriteHeader(0, 0, 0x38);
    Acknowledgements(Handshake(interrupted, 0xFF), 10).Arrives(1, {0x15});
    WriteSeed("clone-write", "block-refused", interrupted.bytes());

    // Every send fails: the final acknowledgement is given up after its attempts.
    TapeWriter sendsFail = WriteHeader(0, 0xFF, 0x38);
    Identifies(sendsFail, 0xFF);
    sendsFail.Answer(false);
    WriteSeed("clone-write", "sends-fail", sendsFail.bytes());
}

TapeWriter CalibrationHeader(std::uint8_t flags, std::uint8_t item, std::uint8_t value,
                             const std::string& rx, const std::string& tx,
                             const std::string& rxTone, const std::string& txTone) {
    TapeWriter tape;
    tape.Byte(flags).Byte(0).Byte(item).Byte(value).Text(rx).Text(tx).Text(rxTone).Text(txTone);
    return tape;
}

constexpr std::uint8_t kConfirm = 0x48;

void CalibrationSeeds() {
    TapeWriter confirmed = CalibrationHeader(0, 3, 47, "146.52000", "146.52000", "67.0", "D023N");
    Handshake(confirmed, 0xFF).Arrives(1, {kConfirm}).Arrives(1, {kConfirm}).Arrives(1, {kConfirm});
    WriteSeed("calibration", "confirmed", confirmed.bytes());

    TapeWriter retried = CalibrationHeader(0, 0, 128, "400.00625", "400.00625", "OFF", "254.1");
    Handshake(retried, 0xFF).Arrives(1, {kConfirm}).Arrives(1, {0x4E});
    retried.Answer(true);
    Handshake(retried, 0xFF).Arrives(1, {kConfirm}).Arrives(1, {kConfirm}).Arrives(1, {kConfirm});
    WriteSeed("calibration", "retried", retried.bytes());

    TapeWriter odd = CalibrationHeader(0, 2, 255, "1e400", "-5", "nan", "99999");
    Handshake(odd.Arrives(1, {0x15}), 0xFF).Arrives(1, {kConfirm}).Arrives(1, {kConfirm});
    odd.Arrives(1, {kConfirm});
    WriteSeed("calibration", "odd-texts", odd.bytes());

    TapeWriter silent = CalibrationHeader(0, 1, 10, "146.52", "146.52", "OFF", "OFF");
    silent.Silence(1).Silence(1).Answer(false);
    WriteSeed("calibration", "silent", silent.bytes());
    WriteSeed("calibration", "port-busy",
              CalibrationHeader(1, 0, 0, "146.52", "146.52", "OFF", "OFF").bytes());
}

void CsvImportSeeds() {
    // The demo channels exported as File Export writes them (an even size: English words).
    RadioImage image{};
    MakeNewImage(image);
    cli::WriteDemoChannels(image, Language::English);
    std::string exported = ExportChannelList(image).text;
    if (exported.size() % 2 != 0) {
        exported += "\n";
    }
    WriteSeed("csv-import", "demo-export.csv", exported);
    WriteSeed("csv-import", "spreadsheet.csv",
              "\xEF\xBB\xBFLocation;Name;Frequency;Duplex;Offset;Tone;rToneFreq;Mode;Power\r\n"
              "1;\"Rpt-1\";145,5;-;0,6;Tone;88,5;FM;5.0W\r\n"
              "2;simplex;146,52;;;;;NFM;Low\r\n");
    WriteSeed("csv-import", "refused-rows.csv",
              "Location,Name,Frequency,Duplex,Offset,Tone,cToneFreq,DtcsCode,DtcsPolarity,Mode\n"
              "0,TOOLONGNAME,600.0,+,x,TSQL,70.0,999,NX,AM\n"
              "3,ok,145.5,split,146.0,DTCS,88.5,023,RN,FM\n"
              "3,\"again\nquoted\",145.5,,,,,,,\n"
              "4,\"open quote,145.5\n");
    WriteSeed("csv-import", "without-location.csv",
              "Name,Frequency,Duplex,Offset,Mode\n"
              "Repeater,145.600000,-,0.600000,NFM\n"
              "pmr1,446.00625,,,NFM\n"
              "air,118.000000,,,AM\n");
    WriteSeed("csv-import", "header-only.csv", "Location,Frequency\n");
    WriteSeed("csv-import", "not-a-list.csv", "Name,Comment\nx,y\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-DIRECTORY\n", argv[0]);
        return 2;
    }
    root = argv[1];
    mkdir(root.c_str(), 0755);
    const RadioImage demo = ChannelFileSeeds();
    IniFileSeeds();
    CloneReadSeeds(demo);
    CloneWriteSeeds();
    CalibrationSeeds();
    CsvImportSeeds();
    return 0;
}
