// The text form: its exact layout, the round trip through it, string and number notation, and
// the reader's tolerance and error reports.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>

#include "rackfile/binaryreader.h"
#include "rackfile/binarywriter.h"
#include "rackfile/streamconvert.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "toolkit/core/exceptions.h"

using namespace mox;
using namespace mox::rack;

namespace {

TStreamValue Typed(TValueType type) {
    TStreamValue v;
    v.Type = type;
    return v;
}

TObjectRecord Record(const QString& name, const QString& className,
                     std::vector<TStreamProperty> properties = {}) {
    TObjectRecord r;
    r.Name = name;
    r.ClassName = className;
    r.Properties = std::move(properties);
    return r;
}

// The value of the only property of a one-line object.
TStreamValue ReadValue(const QByteArray& valueText) {
    return ReadObjectText("object T\r\n  P = " + valueText + "\r\nend\r\n").Properties.at(0).Value;
}

QString WrittenValue(const TStreamValue& value) {
    const QByteArray text = WriteObjectText(Record("", "T", {{"P", value}}));
    return QString::fromUtf8(
        text.mid(16, text.size() - 16 - 7));  // between "P = " and "\r\nend\r\n"
}

QString ReadError(const QByteArray& text) {
    try {
        ReadObjectText(text);
    } catch (const EReadError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

// A stream with every kind of value, all strings already in the tag the encoding rule picks and
// all extended values exact in 15 digits: the text round trip must reproduce it byte for byte.
TObjectRecord EveryKind() {
    TStreamValue single = Typed(TValueType::vaSingle);
    single.Single = 0.1f;
    TStreamValue date = Typed(TValueType::vaDate);
    date.Date = 45123.1234567891;
    TStreamValue money = Typed(TValueType::vaCurrency);
    money.Integer = std::numeric_limits<std::int64_t>::min();
    TStreamValue cents = Typed(TValueType::vaCurrency);
    cents.Integer = 123450;
    TStreamValue collection = Typed(TValueType::vaCollection);
    collection.Items.push_back({{}, {{"Color", TStreamValue::Ident("clRed")}}});
    collection.Items.push_back({{TStreamValue::Int(300)}, {}});
    QByteArray bytes(70, 0);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);

    TObjectRecord root = Record(
        "frmRack", "TfrmRack",
        {{"I8", TStreamValue::Int(-5)},
         {"I16", TStreamValue::Int(271)},
         {"I32", TStreamValue::Int(-100000)},
         {"I64", TStreamValue::Int(std::int64_t{1} << 40)},
         {"Ext", TStreamValue::Ext(0.1L)},
         {"Whole", TStreamValue::Ext(100)},
         {"Huge", TStreamValue::Ext(1E4000L)},
         {"Tiny", TStreamValue::Ext(-1.5E-4000L)},
         {"NegZero", TStreamValue::Ext(-0.0L)},
         {"Sgl", single},
         {"Date", date},
         {"Cur", money},
         {"Cents", cents},
         {"Caption", TStreamValue::Str("It's a\r\ntest")},
         {"Long", TStreamValue::Str(QString(300, u'x'))},
         {"Degrees", TStreamValue::Str(QString::fromUtf8("20 °C"))},
         {"Wide", TStreamValue::Str(QString::fromUtf8("Ω😀"))},
         {"Empty", TStreamValue::Str("")},
         {"Color", TStreamValue::Ident("clBtnFace")},
         {"Visible", TStreamValue::Bool(false)},
         {"Enabled", TStreamValue::Bool(true)},
         {"PopupMenu", TStreamValue::Nil()},
         {"Picture.Data", TStreamValue::Binary(bytes)},
         {"Font.Style", TStreamValue::Set({"fsBold", "fsItalic"})},
         {"Anchors", TStreamValue::Set({})},
         {"Lines.Strings", TStreamValue::ListOf({TStreamValue::Str("a"), TStreamValue::ListOf({}),
                                                 TStreamValue::Str("")})},
         {"Channels", collection}});
    TObjectRecord led = Record("Led1", "TVrLed", {{"Left", TStreamValue::Int(8)}});
    led.Flags = ffInline | ffChildPos;
    led.Position = 2;
    root.Children.push_back(led);
    root.Children.push_back(Record("", "TVrScope"));
    return root;
}

// Switches the C and C++ locales to one with a decimal comma while it lives.
class CommaLocale {
public:
    CommaLocale() : FSaved(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_ALL, name)) {
                std::locale::global(std::locale(name));
                FActive = true;
                return;
            }
        }
    }
    ~CommaLocale() {
        std::setlocale(LC_ALL, FSaved.c_str());
        std::locale::global(std::locale::classic());
    }
    bool Active() const { return FActive; }

private:
    std::string FSaved;
    bool FActive = false;
};

}  // namespace

TEST(StreamText, Layout) {
    TStreamValue collection = Typed(TValueType::vaCollection);
    collection.Items.push_back({{}, {{"Color", TStreamValue::Ident("clRed")}}});
    collection.Items.push_back({{TStreamValue::Int(2)}, {}});
    TObjectRecord root = Record(
        "frmRack", "TfrmRack",
        {{"Left", TStreamValue::Int(271)},
         {"Caption", TStreamValue::Str("My Rack")},
         {"Font.Style", TStreamValue::Set({"fsBold", "fsItalic"})},
         {"Lines.Strings", TStreamValue::ListOf({TStreamValue::Str("a"), TStreamValue::Str("")})},
         {"Data", TStreamValue::Binary(QByteArray("\x01\xAB"))},
         {"Channels", collection},
         {"None", TStreamValue::ListOf({})},
         {"Level", TStreamValue::Ext(100)}});
    TObjectRecord led = Record("Led1", "TVrLed");
    led.Flags = ffChildPos;
    led.Position = 3;
    root.Children.push_back(led);
    EXPECT_EQ(WriteObjectText(root),
              "object frmRack: TfrmRack\r\n"
              "  Left = 271\r\n"
              "  Caption = 'My Rack'\r\n"
              "  Font.Style = [fsBold, fsItalic]\r\n"
              "  Lines.Strings = (\r\n"
              "    'a'\r\n"
              "    '')\r\n"
              "  Data = {\r\n"
              "    01AB}\r\n"
              "  Channels = <\r\n"
              "    item\r\n"
              "      Color = clRed\r\n"
              "    end\r\n"
              "    item [2]\r\n"
              "    end>\r\n"
              "  None = ()\r\n"
              "  Level = 100.0\r\n"
              "  object Led1: TVrLed [3]\r\n"
              "  end\r\n"
              "end\r\n");
}

TEST(StreamText, RoundTripReproducesTheStream) {
    const QByteArray stream = WriteObjectStream(EveryKind());
    const QByteArray text = ObjectBinaryToText(stream);
    EXPECT_EQ(ObjectTextToBinary(text), stream) << text.toStdString();
}

TEST(StreamText, RoundTripChangesOnlyStringEncodingsAndRoundsExtended) {
    TStreamValue latin = Typed(TValueType::vaString);
    latin.Text = QString::fromUtf8("Café");
    TStreamValue wideAscii = Typed(TValueType::vaWString);
    wideAscii.Text = "abc";
    const QByteArray stream = WriteObjectStream(
        Record("", "T", {{"A", latin}, {"B", wideAscii}, {"C", TStreamValue::Ext(1.0L / 3)}}));
    const TObjectRecord back = ReadObjectStream(ObjectTextToBinary(ObjectBinaryToText(stream)));
    EXPECT_EQ(back.Properties[0].Value.Type, TValueType::vaUTF8String);
    EXPECT_EQ(back.Properties[0].Value.Text, latin.Text);
    EXPECT_EQ(back.Properties[1].Value.Type, TValueType::vaString);
    EXPECT_EQ(back.Properties[2].Value.Extended, 0.333333333333333L);
}

TEST(StreamText, StringsTakeTheTagOfTheEncodingRule) {
    const QByteArray myRack = ObjectTextToBinary("object T\r\n  Caption = 'My Rack'\r\nend\r\n");
    EXPECT_TRUE(myRack.contains(QByteArray("Caption\x06\x07My Rack")));
    EXPECT_EQ(ReadValue("'20 '#176'C'").Type, TValueType::vaUTF8String);
    const QByteArray empty = ObjectTextToBinary("object T\r\n  P = ''\r\nend\r\n");
    EXPECT_TRUE(empty.contains(QByteArray("P\x12\x00\x00\x00\x00", 6)));
    EXPECT_EQ(ReadValue("#233").Type, TValueType::vaWString);
    EXPECT_EQ(ReadValue("'" + QByteArray(256, 'x') + "'").Type, TValueType::vaLString);
    // An unpaired surrogate has no UTF-8 form; only the wide tag keeps it.
    const TStreamValue lone = ReadValue("'ab'#55296");
    EXPECT_EQ(lone.Type, TValueType::vaWString);
    EXPECT_EQ(lone.Text.size(), 3);
}

TEST(StreamText, StringNotation) {
    EXPECT_EQ(WrittenValue(TStreamValue::Str("It's\ta")), "'It'#39's'#9'a'");
    TStreamValue latin = Typed(TValueType::vaString);
    latin.Text = QString::fromUtf8("Café \u0081");
    EXPECT_EQ(WrittenValue(latin), QString::fromUtf8("'Café '#129"));
    EXPECT_EQ(WrittenValue(TStreamValue::Str(QString::fromUtf8("Ω😀"))), "#937#55357#56832");
    EXPECT_EQ(WrittenValue(TStreamValue::Str("")), "''");

    const QString pieces = WrittenValue(TStreamValue::Str(QString(64, u'a') + QString(70, u'b')));
    EXPECT_EQ(pieces, "'" + QString(64, u'a') + "' +\r\n    '" + QString(64, u'b') +
                          "' +\r\n    '" + QString(6, u'b') + "'");
    // Pieces and codes in any spacing form one string; a doubled quote stands for one.
    EXPECT_EQ(ReadValue("'It''s'#13#10 +\n\t  'x' + #65").Text, "It's\r\nxA");
}

TEST(StreamText, Numbers) {
    EXPECT_EQ(WrittenValue(TStreamValue::Ext(100)), "100.0");
    EXPECT_EQ(WrittenValue(TStreamValue::Ext(1E20L)), "1E20");
    EXPECT_EQ(WrittenValue(TStreamValue::Ext(1.5E-7L)), "1.5E-7");
    EXPECT_EQ(WrittenValue(TStreamValue::Ext(1E4000L)), "1E4000");
    EXPECT_EQ(ReadValue("1E4000").Extended, 1E4000L);
    EXPECT_EQ(ReadValue("100.0").Type, TValueType::vaExtended);
    EXPECT_EQ(ReadValue("100").Type, TValueType::vaInt8);
    EXPECT_EQ(ReadValue("-129").Type, TValueType::vaInt16);
    EXPECT_EQ(ReadValue("1.5s").Single, 1.5f);
    EXPECT_EQ(ReadValue("2.5D").Date, 2.5);

    // Dates, like extended values, keep at most 15 significant digits; singles the shortest
    // form of their own 9 or fewer.
    struct Row {
        TValueType Type;
        double Value;
        const char* Text;
    };
    for (const Row& row :
         {Row{TValueType::vaDate, 2.718281828459045, "2.71828182845905d"},
          Row{TValueType::vaDate, 9.098890172256215E8, "909889017.225621d"},
          Row{TValueType::vaDate, 2.25, "2.25d"}, Row{TValueType::vaDate, 1E20, "1E20d"},
          Row{TValueType::vaSingle, 0.1f, "0.1s"},
          Row{TValueType::vaSingle, 3.4028235E38f, "3.4028235E38s"}}) {
        SCOPED_TRACE(row.Text);
        TStreamValue value = Typed(row.Type);
        if (row.Type == TValueType::vaDate)
            value.Date = row.Value;
        else
            value.Single = static_cast<float>(row.Value);
        EXPECT_EQ(WrittenValue(value), row.Text);
    }

    TStreamValue money = Typed(TValueType::vaCurrency);
    money.Integer = -1;
    EXPECT_EQ(WrittenValue(money), "-0.0001c");
    money.Integer = 50000;
    EXPECT_EQ(WrittenValue(money), "5c");
    EXPECT_EQ(ReadValue("12.345c").Integer, 123450);
    EXPECT_EQ(ReadValue("-922337203685477.5808c").Integer,
              std::numeric_limits<std::int64_t>::min());

    EXPECT_EQ(ReadError("object T\r\n  P = 922337203685477.5808c\r\nend"),
              "Line 2: Invalid currency value");
    EXPECT_EQ(ReadError("object T\r\n  P = 1.23456c\r\nend"), "Line 2: Invalid currency value");
    EXPECT_EQ(ReadError("object T\r\n\r\n  P = 1E5000\r\nend"),
              "Line 3: Floating point value out of range");
    EXPECT_EQ(ReadError("object T\r\n  P = 9223372036854775808\r\nend"),
              "Line 2: Integer out of range");
    EXPECT_EQ(ReadError("object T\r\n  P = 1.e5\r\nend"), "Line 2: Invalid number");
}

TEST(StreamText, NumbersIgnoreTheProcessLocale) {
    CommaLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    EXPECT_EQ(WrittenValue(TStreamValue::Ext(2.5L)), "2.5");
    EXPECT_EQ(ReadValue("2.5").Extended, 2.5L);
    EXPECT_EQ(ReadValue("0.25s").Single, 0.25f);
    const QByteArray stream = WriteObjectStream(EveryKind());
    EXPECT_EQ(ObjectTextToBinary(ObjectBinaryToText(stream)), stream);
}

TEST(StreamText, ReaderIsTolerantOfSpacingAndCase) {
    const TObjectRecord root = ReadObjectText(
        "\xEF\xBB\xBF  OBJECT  a :TA[ 4 ]\n"
        "\tLeft=1 Top =\n 2\n"
        "end = True\n"
        "  Set = [ x,y ]\n"
        "  Object B: TB End\n"
        "End\n\n");
    EXPECT_EQ(root.Name, "a");
    EXPECT_EQ(root.Position, 4);
    ASSERT_EQ(root.Properties.size(), 4u);
    EXPECT_EQ(root.Properties[2].Name, "end");
    EXPECT_EQ(root.Properties[3].Value.SetMembers, QStringList({"x", "y"}));
    EXPECT_EQ(root.Children.at(0).ClassName, "TB");
}

TEST(StreamText, ReaderErrorsNameTheLine) {
    EXPECT_EQ(ReadError("object T\r\n  P = 'abc\r\nend"), "Line 2: Unterminated string");
    EXPECT_EQ(ReadError("object T\r\n  P = 1\r\n"), "Line 3: 'end' expected");
    EXPECT_EQ(ReadError("thing T\r\nend"), "Line 1: 'object' expected");
    EXPECT_EQ(ReadError("object T\r\n  P = {0A1}\r\nend"),
              "Line 2: Odd number of hexadecimal digits");
    EXPECT_EQ(ReadError("object T\r\n  P = #65536\r\nend"), "Line 2: Character code out of range");
    EXPECT_EQ(ReadError("object T\r\n  P = 'a' +\r\n  Q = 1\r\nend"), "Line 3: String expected");
    EXPECT_EQ(ReadError("object T\r\n  P = <\r\n  item [4294967296]\r\n end>\r\nend"),
              "Line 3: 32-bit integer expected");
    EXPECT_EQ(ReadError("object T\r\n  P = 'a\xFF'\r\nend"), "Line 2: Invalid UTF-8");
    EXPECT_EQ(ReadError("object T\r\nend\r\nobject U\r\nend"), "Line 3: End of text expected");
    EXPECT_EQ(ReadError("object T\r\n  P..Q = 1\r\nend"), "Line 2: Invalid name 'P..Q'");
    EXPECT_EQ(ReadError(""), "Line 1: 'object' expected");

    const QByteArray deep = "object T\r\n  P = " + QByteArray(kMaxNestingDepth, '(') +
                            QByteArray(kMaxNestingDepth, ')') + "\r\nend";
    EXPECT_TRUE(ReadError(deep).startsWith("Line 2: Nesting deeper than 64"));
}

TEST(StreamText, WriterRefusesNamesTheReaderCouldNotRead) {
    for (const QString& bad : {QString("a b"), QString("1x"), QString(""), QString("a."),
                               QString::fromUtf16(u"x\u0081")}) {
        EXPECT_THROW(WriteObjectText(Record("", "T", {{"P", TStreamValue::Ident(bad)}})),
                     EWriteError);
        EXPECT_THROW(WriteObjectText(Record("", "T", {{"P", TStreamValue::Set({bad})}})),
                     EWriteError);
    }
    EXPECT_THROW(WriteObjectText(Record("", "")), EWriteError);
    EXPECT_THROW(WriteObjectText(Record("1x", "T")), EWriteError);
    TStreamValue nan = TStreamValue::Ext(std::numeric_limits<long double>::quiet_NaN());
    EXPECT_THROW(WriteObjectText(Record("", "T", {{"P", nan}})), EWriteError);
}
