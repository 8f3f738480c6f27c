#include <gtest/gtest.h>

#include <string>

#include "exchange/TransponderList.h"

namespace velmora {
namespace {

SourceList Parse(const std::string& text, const std::string& file, ListReadOptions options = {}) {
    SourceList list;
    ListError error;
    EXPECT_TRUE(ParseTransponderList(text, file, options, list, error)) << ErrorText(error);
    return list;
}

// ---- position texts and format detection ---------------------------------

TEST(ListText, PositionTextAtTheStartOfAName) {
    struct Case {
        const char* text;
        std::size_t length;
        int tenths;
    } cases[] = {
        {"19.2E Astra 1N/1P", 5, 192}, {"177.0W C-band NSS 9", 6, 1830},
        {"13e", 3, 130},               {"0.8w Thor", 4, 3592},
        {"0.0W", 4, 0},                {"1234E x", 0, 0},
        {"19.2EAstra", 0, 0},          {"19.E", 0, 0},
        {"Astra 19.2E", 0, 0},         {"190.0E", 0, 0},
    };
    for (const Case& c : cases) {
        int tenths = -1;
        std::size_t length = LeadingPositionText(c.text, tenths);
        EXPECT_EQ(length, c.length) << c.text;
        if (c.length > 0) {
            EXPECT_EQ(tenths, c.tenths) << c.text;
        }
    }
}

TEST(ListText, FormatIsRecognisedFromTheContent) {
    struct Case {
        std::string text;
        ListFormat format;
    } cases[] = {
        {"\xEF\xBB\xBF\n  <?xml version=\"1.0\"?><satellites/>", ListFormat::SatellitesXml},
        {"; comment\r\n[SATTYPE]\r\n1=0192\r\n", ListFormat::Ini},
        {"[UPDATE]\n1=x\n[DVB]\n0=0\n", ListFormat::Ini},
        {"# dvbv5\n[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n", ListFormat::Dvbv5},
        {"[x]\nFREQUENCY = 1\n", ListFormat::Dvbv5},
        {"FREQUENCY = 1\n", ListFormat::Auto},
        {"", ListFormat::Auto},
        {"name;freq\n", ListFormat::Auto},
        {std::string("\xFF\xFE\n\0<\0s\0", 8), ListFormat::SatellitesXml},
        {std::string("\xFE\xFF\0 \0<\0s", 8), ListFormat::SatellitesXml},
        {std::string("\xFF\xFE[\0S\0", 6), ListFormat::Auto},
    };
    for (const Case& c : cases) EXPECT_EQ(DetectListFormat(c.text), c.format) << c.text;
}

// What the reader gets from a satellites.xml saved as UTF-16 with its mark.
std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

TEST(SatellitesXmlReader, Utf16ListsReadLikeUtf8Ones) {
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<satellites>\r\n"
        "<sat name=\"19.2E Astra\" position=\"192\">\r\n"
        "<transponder frequency=\"11494000\" symbol_rate=\"22000000\" polarization=\"0\"/>\r\n"
        "</sat>\r\n<sat name=\"x\" position=\"north\"/>\r\n</satellites>\r\n";
    for (bool bigEndian : {false, true}) {
        SourceList list;
        ListError error;
        EXPECT_FALSE(ParseTransponderList(Utf16(xml, bigEndian), "s.xml", {}, list, error));
        EXPECT_EQ(ErrorText(error).rfind("s.xml:6: position \"north\"", 0), 0u)
            << ErrorText(error);
        std::string good = xml;
        std::size_t bad = good.find("<sat name=\"x\"");
        good.erase(bad, good.find('\n', bad) + 1 - bad);
        list = Parse(Utf16(good, bigEndian), "s.xml");
        ASSERT_EQ(list.satellites.size(), 1u);
        EXPECT_EQ(list.satellites[0].name, "19.2E Astra");
        ASSERT_EQ(list.satellites[0].tps.size(), 1u);
        EXPECT_EQ(list.satellites[0].tps[0].line, 4);
    }
}

// ---- satellites.xml ------------------------------------------------------

TEST(SatellitesXmlReader, ReadsSatellitesTranspondersAndLines) {
    SourceList list = Parse(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<satellites>\n"
        "\t<sat name=\"26.0E C-band Badr &amp; Arabsat\" flags=\"0\" position=\"261\">\n"
        "\t\t<transponder frequency=\"3880000\" symbol_rate=\"27500000\" polarization=\"2\" "
        "fec_inner=\"3\" system=\"0\" modulation=\"1\" is_id=\"-1\" pls_code=\"0\"/>\n"
        "\t\t<transponder frequency=\"0\" symbol_rate=\"27500000\" polarization=\"3\"/>\n"
        "\t\t<transponder frequency=\"3900000\" symbol_rate=\"27500000\"/>\n"
        "\t\t<transponder frequency=\"3920000\" symbol_rate=\"1\" polarization=\"7\"/>\n"
        "\t</sat>\n"
        "\t<sat name=\"30.0W Hispasat\" flags=\"0\" position=\"-300\"/>\n"
        "\t<sat name=\"27.5E Not near\" flags=\"0\" position=\"261\"/>\n"
        "</satellites>\n",
        "satellites.xml");
    EXPECT_EQ(list.format, ListFormat::SatellitesXml);
    ASSERT_EQ(list.satellites.size(), 3u);
    const SourceSatellite& badr = list.satellites[0];
    EXPECT_EQ(badr.name, "26.0E C-band Badr & Arabsat");
    EXPECT_EQ(badr.givenPosition, 261);
    EXPECT_EQ(badr.position, 260);  // the name's position text, a tenth away
    EXPECT_EQ(badr.line, 3);
    ASSERT_EQ(badr.tps.size(), 4u);
    EXPECT_EQ(badr.tps[0].frequency, 3880000u);
    EXPECT_EQ(badr.tps[0].symbolRate, 27500000u);
    EXPECT_EQ(badr.tps[0].pol, SourcePol::L);
    EXPECT_EQ(badr.tps[0].line, 4);
    EXPECT_EQ(badr.tps[1].pol, SourcePol::R);
    EXPECT_EQ(badr.tps[2].pol, SourcePol::Missing);
    EXPECT_EQ(badr.tps[3].pol, SourcePol::Unknown);
    EXPECT_EQ(list.satellites[1].position, 3300);
    EXPECT_EQ(list.satellites[2].position, 261);  // text too far from the attribute
}

// ---- .ini ----------------------------------------------------------------

TEST(IniListReader, ReadsOneSatelliteWithCrLfCommentsAndShortLines) {
    SourceList list = Parse(
        "; from a web site\r\n[SATTYPE]\r\n1=0192\r\n2=Astra 1KR/1L/1M/1N\r\n\r\n"
        "[DVB]\r\n0=3\r\n1=10714,H,22000,56,DVB-S,QPSK\r\n2=10729.5,v,22000\r\n"
        "3=10744,X,22000\r\n[UPDATE]\r\n1=2024-01-01\r\n",
        "0192.ini");
    ASSERT_EQ(list.satellites.size(), 1u);
    const SourceSatellite& sat = list.satellites[0];
    EXPECT_EQ(sat.position, 192);
    EXPECT_EQ(sat.name, "Astra 1KR/1L/1M/1N");
    EXPECT_EQ(sat.line, 2);
    ASSERT_EQ(sat.tps.size(), 3u);
    EXPECT_EQ(sat.tps[0].frequency, 10714000u);
    EXPECT_EQ(sat.tps[0].symbolRate, 22000000u);
    EXPECT_EQ(sat.tps[1].frequency, 10729500u);
    EXPECT_EQ(sat.tps[1].pol, SourcePol::V);
    EXPECT_EQ(sat.tps[1].line, 9);
    EXPECT_EQ(sat.tps[2].pol, SourcePol::Unknown);
}

TEST(IniListReader, PositionFromFieldOrNameText) {
    struct Case {
        const char* one;
        const char* two;
        int position;
    } cases[] = {
        {"0192", "Astra", 192}, {"192", "Astra", 192}, {"3300", "Hispasat", 3300},
        {"0300", "30.0W Hispasat", 3300}, {"x", "13E Hot Bird", 130},
    };
    for (const Case& c : cases) {
        SourceList list = Parse(std::string("[SATTYPE]\n1=") + c.one + "\n2=" + c.two +
                                    "\n[DVB]\n0=0\n",
                                "a.ini");
        ASSERT_EQ(list.satellites.size(), 1u);
        EXPECT_EQ(list.satellites[0].position, c.position) << c.one << ' ' << c.two;
    }
}

// ---- dvbv5 ---------------------------------------------------------------

TEST(Dvbv5ListReader, PositionAndNameFromTheFileName) {
    const std::string body =
        "# comment\n[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS2\n\tFREQUENCY = 11494000\n"
        "\tPOLARIZATION = HORIZONTAL\n\tSYMBOL_RATE = 22000000\n\tINNER_FEC = 2/3\n"
        "[CHANNEL]\n\tFREQUENCY = 11508000\n\tPOLARIZATION = CIRCULAR\n";
    struct Case {
        const char* file = "";
        int forced = -1;  // the position given on the command line; -1: none
        int position = 0;
        const char* name = "";
    } cases[] = {
        {.file = "/usr/share/dvb/dvb-s/Astra-19.2E", .position = 192, .name = "Astra"},
        {.file = "Hispasat-30.0W", .position = 3300, .name = "Hispasat"},
        {.file = "Eutelsat-Hot-Bird-16E", .position = 160, .name = "Eutelsat Hot Bird"},
        {.file = "Galaxy-103w", .position = 2570, .name = "Galaxy"},
        {.file = "Astra-19.2E", .forced = 235, .position = 235, .name = "Astra"},
        {.file = "my-list", .forced = 130, .position = 130, .name = "my list"},
    };
    for (const Case& c : cases) {
        SourceList list = Parse(body, c.file, {ListFormat::Auto, c.forced});
        ASSERT_EQ(list.satellites.size(), 1u) << c.file;
        EXPECT_EQ(list.satellites[0].position, c.position) << c.file;
        EXPECT_EQ(list.satellites[0].name, c.name) << c.file;
    }
    SourceList list = Parse(body, "Astra-19.2E");
    const auto& tps = list.satellites[0].tps;
    ASSERT_EQ(tps.size(), 2u);
    EXPECT_EQ(tps[0].frequency, 11494000u);
    EXPECT_EQ(tps[0].symbolRate, 22000000u);
    EXPECT_EQ(tps[0].pol, SourcePol::H);
    EXPECT_EQ(tps[1].line, 8);
    EXPECT_EQ(tps[1].pol, SourcePol::Unknown);
}

// ---- malformed input -----------------------------------------------------

TEST(ListReaders, MalformedInputNamesFileAndLine) {
    struct Case {
        const char* file;
        const char* text;
        ListFormat forced;
        const char* error;
    } cases[] = {
        {"s.xml", "<satellites>\n<sat name=\"a\" position=\"1\">\n</satellites>\n", ListFormat::Auto,
         "s.xml:3: not well-formed XML"},
        {"s.xml", "<satellites>\n<sat name=\"a\" position=\"1\">\n<transponder frequency=\"1e6\"/>"
                  "</sat></satellites>",
         ListFormat::Auto, "s.xml:3: frequency \"1e6\" is not a number"},
        {"s.xml", "<satellites>\n<sat name=\"a\"/></satellites>", ListFormat::Auto,
         "s.xml:2: <sat> without a position"},
        {"s.xml", "<other/>", ListFormat::Auto, "s.xml:1: no <satellites> element"},
        {"a.ini", "[SATTYPE]\n1=0192\n[DVB]\n0=1\n1=1O714,H,22000\n", ListFormat::Auto,
         "a.ini:5: frequency \"1O714\" is not a number"},
        {"a.ini", "[SATTYPE]\n1=0192\n[DVB]\n0=one\n", ListFormat::Auto,
         "a.ini:4: count \"one\" is not a number"},
        {"a.ini", "[SATTYPE]\n1=0192\n[DVB]\n1=10714,H,22k\n", ListFormat::Auto,
         "a.ini:4: symbol rate \"22k\" is not a number"},
        {"a.ini", "[SATTYPE]\n1=north\n2=Astra\n", ListFormat::Auto,
         "a.ini:2: [SATTYPE] 1= is not a position"},
        {"a.ini", "[DVB]\n0=0\n", ListFormat::Auto, "a.ini: no [SATTYPE] section"},
        {"a.ini", "[SATTYPE]\n1=0192\n2=Astra\n[DVB]\n0=0\n[SATTYPE]\n1=0130\n",
         ListFormat::Auto, "a.ini:6: a second [SATTYPE] section"},
        {"a.ini", "\xFF\xFE[\0S\0", ListFormat::Ini, "a.ini: UTF-16 text"},
        {"Astra-19.2E", "[C]\nFREQUENCY = 11494000\nSYMBOL_RATE = fast\n", ListFormat::Auto,
         "Astra-19.2E:3: SYMBOL_RATE \"fast\" is not a number"},
        {"Astra", "[C]\nFREQUENCY = 11494000\n", ListFormat::Auto,
         "Astra: a dvbv5 list has no position"},
        {"list.txt", "just some text\n", ListFormat::Auto,
         "list.txt:1: not a satellites.xml, .ini or dvbv5"},
        {"index.html", "\n<!DOCTYPE HTML>\n<html><body>moved</body></html>", ListFormat::Auto,
         "index.html:1: a web page, not a transponder list"},
        {"list.txt", "[SATTYPE]\n1=0192\n", ListFormat::SatellitesXml,
         "list.txt:2: not well-formed XML"},
    };
    for (const Case& c : cases) {
        SourceList list;
        list.satellites.resize(2);
        ListError error;
        EXPECT_FALSE(ParseTransponderList(c.text, c.file, {c.forced, -1}, list, error)) << c.text;
        EXPECT_EQ(ErrorText(error).rfind(c.error, 0), 0u) << ErrorText(error);
        EXPECT_TRUE(list.satellites.empty());
    }
}

TEST(ListReaders, PositionIsGivenOnlyForDvbv5Lists) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {.text = "<satellites/>", .error = "s: a satellites.xml list carries its own positions"},
        {.text = "[SATTYPE]\n1=0192\n", .error = "s: an .ini list carries its own positions"},
    };
    for (const Case& c : cases) {
        SourceList list;
        ListError error;
        EXPECT_FALSE(ParseTransponderList(c.text, "s", {ListFormat::Auto, 192}, list, error));
        EXPECT_EQ(ErrorText(error).rfind(c.error, 0), 0u) << ErrorText(error);
    }
}

// A value with an escape sequence or a line end must not reach the terminal
// as it is: it would retitle the window or split the message.
TEST(ListReaders, ControlBytesInMessagesAreEscaped) {
    struct Case {
        const char* file;
        std::string text;
        const char* error;
    } cases[] = {
        {.file = "s.xml",
         .text = "<satellites><sat position=\"1\"><transponder frequency=\"1&#27;]0;x&#10;"
                 "&#7;\"/></sat></satellites>",
         .error = "s.xml:1: frequency \"1\\x1b]0;x\\x0a\\x07\" is not a number"},
        {.file = "a\x1b[2J.ini",
         .text = "[SATTYPE]\n1=0192\n[DVB]\n1=\x1b[2J\x9b,H,22000\n",
         .error = "a\\x1b[2J.ini:4: frequency \"\\x1b[2J\\x9b\" is not a number"},
        {.file = "Astra-19.2E",
         .text = "[C]\nFREQUENCY = 1\x1b]0;x\x07\n",
         .error = "Astra-19.2E:2: FREQUENCY \"1\\x1b]0;x\\x07\" is not a number"},
    };
    for (const Case& c : cases) {
        SourceList list;
        ListError error;
        EXPECT_FALSE(ParseTransponderList(c.text, c.file, {}, list, error));
        EXPECT_EQ(ErrorText(error), c.error);
    }
}

// Lists far larger than any table are refused before they take memory
// many times their size; the first three fields of a long .ini line do.
TEST(ListReaders, ListsOfMoreEntriesThanATableCouldUseAreRefused) {
    std::string xml = "<satellites><sat name=\"a\" position=\"1\">";
    for (std::size_t i = 0; i < kMostListEntries; ++i) xml += "<transponder/>";
    std::string ini = "[SATTYPE]\n1=0192\n[DVB]\n";
    std::string dvbv5 = "[C]\nFREQUENCY = 11494000\n";
    for (std::size_t i = 0; i < kMostListEntries; ++i) {
        ini += "1=10714,H,22000\n";
        dvbv5 += "[C]\n";
    }
    ini += "1=10714,H,22000\n";
    struct Case {
        const char* file;
        std::string text;
        const char* error;
    } cases[] = {
        {.file = "s.xml", .text = xml + "</sat></satellites>", .error = "s.xml: more than 100000"},
        {.file = "a.ini", .text = ini, .error = "a.ini:100004: more than 100000 transponders"},
        {.file = "Astra-19.2E", .text = dvbv5, .error = "Astra-19.2E:100002: more than 100000"},
    };
    for (const Case& c : cases) {
        SourceList list;
        ListError error;
        EXPECT_FALSE(ParseTransponderList(c.text, c.file, {}, list, error));
        EXPECT_EQ(ErrorText(error).rfind(c.error, 0), 0u) << ErrorText(error);
    }
    SourceList list = Parse("[SATTYPE]\n1=0192\n[DVB]\n1=10714,H,22000" +
                                std::string(1000000, ',') + "\n",
                            "a.ini");
    ASSERT_EQ(list.satellites.size(), 1u);
    ASSERT_EQ(list.satellites[0].tps.size(), 1u);
    EXPECT_EQ(list.satellites[0].tps[0].symbolRate, 22000000u);
}

TEST(ListReaders, OnlyRegularFilesAreRead) {
    struct Case {
        const char* path;
        const char* error;
    } cases[] = {
        {.path = "/nonexistent/list.xml", .error = "cannot open /nonexistent/list.xml: "},
        {.path = "/dev/null", .error = "/dev/null is not a regular file"},
        {.path = "/", .error = "/ is a folder"},
    };
    for (const Case& c : cases) {
        SourceList list;
        ListError error;
        EXPECT_FALSE(ReadTransponderList(c.path, {}, list, error));
        EXPECT_EQ(ErrorText(error).rfind(c.error, 0), 0u) << ErrorText(error);
    }
}

}  // namespace
}  // namespace velmora
