// The predicates that tell the dialogs which typed characters a text or a DTMF code keeps,
// checked against what the data set really keeps: every byte 0x00-0xFF is sent inside an
// assignment and read back.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/CChannel.h"
#include "model/CCommonSettings.h"
#include "model/CDtmfMemories.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using test::TestRadio;

// "X", the byte and "X" assigned with prefix; the character the answer holds between the X's.
char Kept(TestRadio& radio, const std::string& prefix, int byte) {
    std::string command = prefix + "X";
    command.push_back(static_cast<char>(byte));
    command += "X";
    const std::string answer = radio(command);
    return answer.size() > 2 && answer[0] == 'X' ? answer[1] : '?';
}

TEST(KeptCharacters, TheChannelNameKeepsWhatItsPredicateSays) {
    TestRadio radio;
    radio("CH.MCH_144.1.APPEAR=ON");
    for (int byte = 0; byte < 256; ++byte) {
        const auto expected = CChannel::KeptNameCharacter(static_cast<char>(byte));
        EXPECT_EQ(Kept(radio, "CH.MCH_144.1.NAME=", byte), expected.value_or(' ')) << byte;
    }
    EXPECT_EQ(CChannel::KeptNameCharacter('a'), 'A');
    EXPECT_EQ(CChannel::KeptNameCharacter('='), '=');
    EXPECT_EQ(CChannel::KeptNameCharacter('\xE9'), std::nullopt);
    EXPECT_EQ(CChannel::KeptNameCharacter('!'), std::nullopt);
}

TEST(KeptCharacters, TheCommonTextsKeepWhatTheirPredicateSays) {
    TestRadio radio;
    for (const std::string item : {"OPENING_TEXT", "CLONE_COMMENT"}) {
        for (int byte = 0; byte < 256; ++byte) {
            const auto expected = CCommonSettings::KeptTextCharacter(item, static_cast<char>(byte));
            EXPECT_EQ(Kept(radio, "COMMON." + item + "=", byte), expected.value_or(' '))
                << item << " " << byte;
        }
    }
    // The opening text is upper case letters, digits and "-"; the comment any ASCII text
    // but "=", where the command's value ends.
    EXPECT_EQ(CCommonSettings::KeptTextCharacter("OPENING_TEXT", 'q'), 'Q');
    EXPECT_EQ(CCommonSettings::KeptTextCharacter("OPENING_TEXT", '*'), std::nullopt);
    EXPECT_EQ(CCommonSettings::KeptTextCharacter("CLONE_COMMENT", 'q'), 'q');
    EXPECT_EQ(CCommonSettings::KeptTextCharacter("CLONE_COMMENT", '='), std::nullopt);
    EXPECT_EQ(CCommonSettings::KeptTextCharacter("BEEP", 'A'), std::nullopt);
}

TEST(KeptCharacters, ADtmfCodeKeepsWhatItsPredicateSays) {
    TestRadio radio;
    for (int byte = 0; byte < 256; ++byte) {
        std::string command = "DTMF.0=1";
        command.push_back(static_cast<char>(byte));
        command += "1";
        const auto digit = CDtmfCode::KeptDigit(static_cast<char>(byte));
        // A value ends at a second "=", so there the last 1 goes too.
        const std::string expected = digit         ? std::string{'1', *digit, '1'}
                                     : byte == '=' ? "1"
                                                   : "11";
        EXPECT_EQ(radio(command), expected) << byte;
    }
    EXPECT_EQ(CDtmfCode::KeptDigit('*'), 'E');
    EXPECT_EQ(CDtmfCode::KeptDigit('#'), 'F');
    EXPECT_EQ(CDtmfCode::KeptDigit('d'), 'D');
    EXPECT_EQ(CDtmfCode::KeptDigit('G'), std::nullopt);
}

// "ISLEGAL.CHECK=" with a frequency judges the channel as an edit would leave it, and
// changes nothing.
TEST(KeptCharacters, LegalityOfAFrequencyIsCheckedWithoutChangingTheChannel) {
    TestRadio radio;  // USA-A
    radio("CH.MCH_144.3.APPEAR=ON");
    radio("CH.MCH_144.3.FREQUENCY=146.5200");
    radio("CH.MCH_144.3.HEAL");
    radio("EDIT_FLAG=OFF");
    const std::string before = radio.Dump();
    test::ExpectAnswers(radio,
                        "CH.MCH_144.3.ISLEGAL.CHECK=438.5>NG|CH.MCH_144.3.ISLEGAL.CHECK=145.5>OK|"
                        "CH.MCH_144.3.IsLegal.Check=147.9>OK|CH.MCH_430.3.ISLEGAL.CHECK=438.5>OK|"
                        "CH.MCH_430.3.ISLEGAL.CHECK=145.5>NG|CH.MCH_144.3.ISLEGAL.CHECK=1999>NG|"
                        "CH.MCH_144.3.ISLEGAL.CHECK>OK|CH.MCH_144.3.ISLEGAL>OK|");
    EXPECT_EQ(radio.Dump(), before);
    EXPECT_EQ(radio("EDIT_FLAG"), "OFF");

    // A blank channel is judged as it would be in use; the version's bands decide.
    radio("CH.MCH_144.4.APPEAR=OFF");
    EXPECT_EQ(radio("CH.MCH_144.4.ISLEGAL.CHECK=147.0"), "OK");
    EXPECT_EQ(radio("CH.MCH_144.4.APPEAR"), "OFF");
    TestRadio europe(4);
    EXPECT_EQ(europe("CH.MCH_144.4.ISLEGAL.CHECK=147.0"), "NG");
    EXPECT_EQ(europe("CH.MCH_144.4.ISLEGAL.CHECK=145.0"), "OK");
}

}  // namespace
}  // namespace ql
