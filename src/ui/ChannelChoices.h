#pragma once

#include <QComboBox>
#include <array>
#include <string>

#include "ui/QtChild.h"

namespace ql::ui {

// The entries of the channel dialogs' drop-down lists, as Edit Memory and Bulk Edit show
// them.
inline constexpr std::array<const char*, 3> kDuplexTexts = {"OFF", "-Dup", "+Dup"};
inline constexpr std::array<const char*, 8> kStepTexts = {"5k",  "10k", "12.5k", "15k",
                                                          "20k", "25k", "30k",   "50k"};
inline constexpr std::array<const char*, 3> kSkipTexts = {"Off", "Memory", "Program & Memory"};
inline constexpr std::array<const char*, 50> kToneTexts = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

// The longest offset the channel dialogs take, in characters ("0.6000" and room to spare).
inline constexpr int kOffsetLength = 9;

// A selection-only drop-down list of entries, owned by parent.
template <std::size_t N>
QComboBox* MakeList(const std::array<const char*, N>& entries, QWidget* parent) {
    auto* list = MakeChild<QComboBox>(parent);
    list->setEditable(false);
    for (const char* entry : entries) list->addItem(QString::fromLatin1(entry));
    return list;
}

// Selects the first entry that starts with text, in any letter case; a text that starts
// no entry leaves the list without a selection.
void SelectByPrefix(QComboBox& list, const std::string& text);

// The selected entry; an unselected list reads as the empty text.
[[nodiscard]] std::string Selected(const QComboBox& list);

}  // namespace ql::ui
