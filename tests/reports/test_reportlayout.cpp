// Text conversion, memo layout and picture placement of the report engine.
#include "reportengine/memolayout.h"
#include "reportengine/rasterimage.h"
#include "reportengine/reportfont.h"
#include "reportengine/rtfwriter.h"
#include "reportengine/textwidth.h"
#include "reportengine/winansi.h"

#include <gtest/gtest.h>

namespace
{
// Every character is one millimetre wide, so expected positions can be written out.
const TextMeasure kOneMmPerChar = [](const QString &text) { return double(text.size()); };

QStringList lineTexts(const std::vector<MemoLine> &lines)
{
    QStringList out;
    for (const MemoLine &line : lines) {
        QString text;
        for (const MemoRun &run : line.runs)
            text += (text.isEmpty() ? QString() : QStringLiteral("|")) + run.text;
        out << text;
    }
    return out;
}
} // namespace

TEST(WinAnsi, EncodesTheCharactersOfBelgianAddressesAndUnits)
{
    struct Case {
        const char16_t *text;
        QByteArray bytes;
    } cases[] = {
        {u"Liège", QByteArray("Li\xe8ge")},
        {u"Zoë", QByteArray("Zo\xeb")},
        {u"45°", QByteArray("45\xb0")},
        {u"Straße 5€", QByteArray("Stra\xdf"
                                  "e 5\x80")},
        {u"l’été – ok", QByteArray("l\x92\xe9t\xe9 \x96 ok")},
        {u"漢", QByteArray("?")},
        {u"a\U0001F600b", QByteArray("a?b")}, // a surrogate pair is one character
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(ToWinAnsi(text), c.bytes) << text.toStdString();
        if (!c.bytes.contains('?')) {
            EXPECT_EQ(FromWinAnsi(c.bytes), text) << text.toStdString();
        }
    }
    EXPECT_EQ(FromWinAnsi(QByteArray("\x81")), QStringLiteral("?")); // unassigned byte
}

TEST(ReportFont, NamesMapToTheThreeFamilies)
{
    struct Case {
        const char *name;
        ReportFontFamily family;
        const char *pdf;
        const char *pdfBold;
    } cases[] = {
        {"Arial", ReportFontFamily::Sans, "Helvetica", "Helvetica-Bold"},
        {"Courier New", ReportFontFamily::Mono, "Courier", "Courier-Bold"},
        {"Times New Roman", ReportFontFamily::Serif, "Times-Roman", "Times-Bold"},
        {"Liberation Sans", ReportFontFamily::Sans, "Helvetica", "Helvetica-Bold"},
        {"Small Fonts", ReportFontFamily::Sans, "Helvetica", "Helvetica-Bold"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(FontFamilyForName(QString::fromLatin1(c.name)), c.family) << c.name;
        EXPECT_STREQ(Base14FontName(c.family, false), c.pdf);
        EXPECT_STREQ(Base14FontName(c.family, true), c.pdfBold);
    }
}

TEST(ReportFont, LinePitchAndWidthsComeFromTheFont)
{
    const ReportFont arial12{QStringLiteral("Arial"), 12.0, false};
    const ReportFont courier9{QStringLiteral("Courier New"), 9.0, false};
    EXPECT_NEAR(arial12.linePitchMm(), 4.868, 0.001);  // 2355/2048 of the size
    EXPECT_NEAR(courier9.linePitchMm(), 3.597, 0.001); // 2320/2048 of the size
    // Courier: every character 0.6 of the size.
    EXPECT_NEAR(TextWidthMm(courier9, QStringLiteral("abcdé°")), 6 * 0.6 * 9 * kMmPerPoint, 1e-9);
    // Helvetica: 'i' is narrower than 'W', bold is wider, widths add up.
    EXPECT_LT(TextWidthMm(arial12, QStringLiteral("i")), TextWidthMm(arial12, QStringLiteral("W")));
    EXPECT_GT(TextWidthMm({QStringLiteral("Arial"), 12.0, true}, QStringLiteral("Report")),
              TextWidthMm(arial12, QStringLiteral("Report")));
    EXPECT_NEAR(TextWidthMm(arial12, QStringLiteral("ab cd")),
                TextWidthMm(arial12, QStringLiteral("ab")) +
                    TextWidthMm(arial12, QStringLiteral(" cd")),
                1e-9);
}

TEST(MemoLayout, LeftJustifiedBreaksBetweenWordsAndKeepsSpacing)
{
    struct Case {
        const char *name;
        QStringList input;
        double width;
        QStringList expected;
    } cases[] = {
        {"fits", {QStringLiteral("one two")}, 10, {QStringLiteral("one two")}},
        {"breaks at the last fitting space",
         {QStringLiteral("aaa bbb ccc ddd")},
         8,
         {QStringLiteral("aaa bbb"), QStringLiteral("ccc ddd")}},
        {"inner spaces of columns stay",
         {QStringLiteral("A1    10,5    3")},
         40,
         {QStringLiteral("A1    10,5    3")}},
        {"indentation stays on the first line only",
         {QStringLiteral("   abc def ghi")},
         10,
         {QStringLiteral("   abc def"), QStringLiteral("ghi")}},
        {"a word wider than the line is cut",
         {QStringLiteral("abcdefghijkl xy")},
         5,
         {QStringLiteral("abcde"), QStringLiteral("fghij"), QStringLiteral("kl xy")}},
        {"empty paragraphs give empty lines",
         {QStringLiteral("a"), QStringLiteral(""), QStringLiteral("   "), QStringLiteral("b")},
         5,
         {QStringLiteral("a"), QStringLiteral(""), QStringLiteral(""), QStringLiteral("b")}},
        {"line breaks inside an entry",
         {QStringLiteral("a\r\nb\nc")},
         5,
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
        {"control characters are dropped",
         {QStringLiteral("a") + QChar(7) + QStringLiteral("b")},
         5,
         {QStringLiteral("ab")}},
        {"tab counts as one space", {QStringLiteral("a\tb")}, 5, {QStringLiteral("a b")}},
    };
    for (const Case &c : cases) {
        const auto lines = LayoutMemo(c.input, c.width, MemoJustify::Left, false, kOneMmPerChar);
        EXPECT_EQ(lineTexts(lines), c.expected) << c.name;
    }
}

TEST(MemoLayout, TabsExpandToColumnsOfEight)
{
    EXPECT_EQ(ExpandTabs(QStringLiteral("a\tb")), QStringLiteral("a       b"));
    EXPECT_EQ(ExpandTabs(QStringLiteral("abcdefgh\tx\t")),
              QStringLiteral("abcdefgh        x       "));
    const auto lines =
        LayoutMemo({QStringLiteral("\tx")}, 20, MemoJustify::Left, true, kOneMmPerChar);
    EXPECT_EQ(lineTexts(lines), QStringList{QStringLiteral("        x")});
}

TEST(MemoLayout, BlockSpreadsWordsAndLeavesTheLastLineLeft)
{
    // Width 10: "aa bb cc" (8) is spread by 2 mm over two gaps; "dd ee" ends the paragraph.
    const auto lines = LayoutMemo({QStringLiteral("aa bb cc dd ee")}, 10, MemoJustify::Block, false,
                                  kOneMmPerChar);
    ASSERT_EQ(lines.size(), 2U);
    ASSERT_EQ(lines[0].runs.size(), 3);
    EXPECT_DOUBLE_EQ(lines[0].runs[0].xMm, 0.0);
    EXPECT_DOUBLE_EQ(lines[0].runs[1].xMm, 4.0); // 2 + 1 + 1
    EXPECT_DOUBLE_EQ(lines[0].runs[2].xMm, 8.0); // its 2 mm end at the right edge
    EXPECT_FALSE(lines[0].lastOfParagraph);
    ASSERT_EQ(lines[1].runs.size(), 1);
    EXPECT_EQ(lines[1].runs[0].text, QStringLiteral("dd ee"));
    EXPECT_TRUE(lines[1].lastOfParagraph);
}

TEST(MemoLayout, BlockKeepsIndentationAndWideGaps)
{
    // "  ab  cd e" is 10 wide; 2 mm over two gaps; the double space stays double.
    const auto lines =
        LayoutMemo({QStringLiteral("  ab  cd e fg")}, 12, MemoJustify::Block, false, kOneMmPerChar);
    ASSERT_EQ(lines.size(), 2U);
    ASSERT_EQ(lines[0].runs.size(), 3);
    EXPECT_EQ(lines[0].runs[0].text, QStringLiteral("  ab"));
    EXPECT_DOUBLE_EQ(lines[0].runs[1].xMm, 4 + 2 + 1);
    EXPECT_DOUBLE_EQ(lines[0].runs[2].xMm, 4 + 2 + 1 + 2 + 1 + 1);
    // One word on a line is not spread.
    const auto single =
        LayoutMemo({QStringLiteral("abcdefgh ij")}, 9, MemoJustify::Block, false, kOneMmPerChar);
    ASSERT_EQ(single.size(), 2U);
    EXPECT_EQ(single[0].runs.size(), 1);
}

TEST(MemoLayout, NoWidthNoLines)
{
    EXPECT_TRUE(
        LayoutMemo({QStringLiteral("x")}, 0, MemoJustify::Left, false, kOneMmPerChar).empty());
}

TEST(ImagePlacement, DerivesTheMissingSideFromThePixelAspect)
{
    RasterImage image;
    image.width = 400;
    image.height = 300;
    struct Case {
        const char *name;
        double w, h;
        double expectedW, expectedH;
    } cases[] = {
        {"both given: stretched", 100, 20, 100, 20},
        {"height from width", 185, 0, 185, 138.75},
        {"height negative", 80, -1, 80, 60},
        {"width from height", 0, 60, 80, 60},
        {"neither: natural size", 0, 0, 400 * 25.4 / 96, 300 * 25.4 / 96},
    };
    for (const Case &c : cases) {
        const RectMm r = ImagePlacement(10, 35, c.w, c.h, image);
        EXPECT_DOUBLE_EQ(r.x, 10) << c.name;
        EXPECT_DOUBLE_EQ(r.y, 35) << c.name;
        EXPECT_NEAR(r.width, c.expectedW, 1e-9) << c.name;
        EXPECT_NEAR(r.height, c.expectedH, 1e-9) << c.name;
    }
}

TEST(RtfWriter, WritesOneParagraphPerLineInTheCodePage)
{
    RtfDocument doc;
    doc.fontName = QStringLiteral("Courier New");
    doc.sizePt = 9;
    doc.marginLeftMm = 25.4; // one inch: 1440 twips
    doc.lines = QStringList{QStringLiteral("Liège 45° 5 €"),
                            QStringLiteral("{C:\\dir}"),
                            QStringLiteral("a\tb"),
                            QString(),
                            QStringLiteral("漢"),
                            QStringLiteral("page") + QChar(u'\f') + QStringLiteral("two")};
    const QByteArray rtf = RtfText(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.endsWith("}\n"));
    struct Case {
        const char *what;
        QByteArray expected;
    } cases[] = {
        {"font table", "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}"},
        {"size in half points", "\\fs18"},
        {"margin in twips", "\\margl1440"},
        {"accents and symbols as code-page bytes", "Li\\'e8ge 45\\'b0 5 \\'80\\par\n"},
        {"braces and backslash escaped", "\\{C:\\\\dir\\}\\par\n"},
        {"tab", "a\\tab b\\par\n"},
        {"empty line", "\n\\par\n"},
        {"outside the code page", "\\u28450?\\par\n"},
        {"page break", "page\\page two\\par\n"},
    };
    for (const Case &c : cases)
        EXPECT_TRUE(rtf.contains(c.expected)) << c.what << "\n" << rtf.toStdString();
    // Braces balance, so readers see one document.
    int depth = 0;
    for (int i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}
