#include "ui/FrequencyNote.h"

#include <string>

#include "desktop/QtText.h"
#include "ui/ChannelEdit.h"
#include "ui/StringTable.h"

namespace ql::ui {

QString FrequencyNote(std::string_view typed, Band band, const ChannelQuery& query,
                      std::string_view prefix) {
    if (IsBlankFrequency(typed)) return {};
    const std::string frequency = FrequencyToSend(typed);
    std::string command(prefix);
    if (frequency.empty()) {
        command += "CLEAR.CHECK";
        return Text(query(command) == "OK" ? sid::kFrequencyErases : sid::kFrequencyKept);
    }
    command += "ISLEGAL.CHECK=";
    command += frequency;
    if (query(command) != "NG") return {};
    return Text(band == Band::kVhf ? sid::kOutsideVhfBands : sid::kOutsideUhfBands)
        .arg(ToQString(frequency), ToQString(query("MODEL.COUNTRY")));
}

}  // namespace ql::ui
