#pragma once

// Helpers shared by the test programs: a temporary directory per test, text files, data
// file texts built from an image, and a radio data object on a chosen version.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/C7400RadioData.h"
#include "model/CMemoryImage.h"
#include "support/CMemorySettingsStore.h"

namespace ql::test {

// A fresh directory under the system temporary directory, removed with all its contents
// when the object goes.
class TempDir {
  public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    [[nodiscard]] std::filesystem::path File(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// The whole file as bytes ("" when it cannot be read).
[[nodiscard]] std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);
// The lines of a file, split at LF; a CR before the LF stays part of the line.
[[nodiscard]] std::vector<std::string> SplitLines(std::string_view bytes);

// One data line: "%04X%02X" of address and count, then the bytes as upper-case hex.
[[nodiscard]] std::string DataLine(std::uint32_t address, std::span<const std::uint8_t> bytes);
// A complete data file text for image: header, "#" comment, then lines of bytesPerLine
// bytes (the last one shorter when the size is no multiple), each line ended by lineEnd.
[[nodiscard]] std::string IcfText(const CMemoryImage& image, std::string_view comment = "",
                                  std::string_view lineEnd = "\r\n", int bytesPerLine = 16);
// count bytes of image from pos as upper-case hex, for example "14503F".
[[nodiscard]] std::string Hex(const CMemoryImage& image, int pos, int count);
// The image that a data file holds; fails the current test when it cannot be read.
[[nodiscard]] CMemoryImage ReadImage(const std::filesystem::path& path);

// The factory image of a version built from the factory rules independently of the
// program's own table. The sub-band remote code (bytes 3709 and the high nibble of 3710)
// is left 0, since its value is the program's own choice.
[[nodiscard]] CMemoryImage ExpectedFactoryImage(int version);

// The version names in version order.
[[nodiscard]] const std::vector<std::string>& VersionNames();
// The 43 common item names in table order.
[[nodiscard]] const std::vector<std::string>& CommonItemNames();
// The command prefixes of all 217 channels in table order ("CH.VFO.Air." ... "CH.CALL_430.").
[[nodiscard]] const std::vector<std::string>& AllChannelPaths();

// A radio data object with its own settings store. With a version, the store says that the
// initial setup was done for that version and expansion mask; without, no setup was done.
// The constructor runs Reset, as the document's New does, unless reset is false.
class TestRadio {
  public:
    explicit TestRadio(std::optional<int> version = std::nullopt, int mask = 0, bool reset = true);

    std::string operator()(std::string_view command) { return radio_->Command(command); }
    C7400RadioData& Data() { return *radio_; }
    C7400RadioData* operator->() { return radio_.get(); }
    // Destroys the radio data object (so that it writes its identity back) and makes a new
    // one on the same settings store.
    void Recreate(bool reset = true);

    // Every channel item, every common setting, every DTMF memory and the version, one
    // line each; queries only, so taking it changes nothing.
    [[nodiscard]] std::string Dump();
    // Saves with FILE.SAVE. into dir and returns the image that the file holds.
    [[nodiscard]] CMemoryImage SavedImage(const TempDir& dir);
    // Puts every memory channel of both bands in use with a legal frequency and a name
    // (144.02-145.98 and 432.02-433.98 MHz, legal in every version).
    void FillAllMemoryChannels();

    CMemorySettingsStore settings;

  private:
    std::unique_ptr<C7400RadioData> radio_;
};

// Runs a script of steps "command>answer" separated by "|": sends each command in turn and
// expects its answer.
void ExpectAnswers(TestRadio& radio, std::string_view script);

// A command with a file path in double quotes, for example Quoted("FILE.SAVE.", path).
[[nodiscard]] std::string Quoted(std::string_view prefix, const std::filesystem::path& path);

}  // namespace ql::test
