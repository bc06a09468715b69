#include "HexCodec.h"

#include <QTest>

#include <cctype>
#include <string>

#ifdef __unix__
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace hueprobe;

Q_DECLARE_METATYPE(std::string)

class TestHexCodec : public QObject {
    Q_OBJECT

private slots:
    void channelTexts_data();
    void channelTexts();
    void to10_data();
    void to10();
    void to10sub_data();
    void to10sub();
    void to10InvertsToHexInEitherCase();
    void inverseAndCode();
    void overflowEndsTheProgramWithAMessage();
};

void TestHexCodec::channelTexts_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<std::string>("shortText");
    QTest::addColumn<std::string>("toHex");
    QTest::addColumn<std::string>("decimal");
    QTest::newRow("zero") << 0 << std::string("0") << std::string("00") << std::string("0");
    QTest::newRow("single digit") << 5 << std::string("5") << std::string("05") << std::string("5");
    QTest::newRow("nine") << 9 << std::string("9") << std::string("09") << std::string("9");
    QTest::newRow("first letter") << 10 << std::string("A") << std::string("0A")
                                  << std::string("10");
    QTest::newRow("last one-digit")
        << 15 << std::string("F") << std::string("0F") << std::string("15");
    QTest::newRow("first two-digit")
        << 16 << std::string("10") << std::string("10") << std::string("16");
    QTest::newRow("middle") << 128 << std::string("80") << std::string("80") << std::string("128");
    QTest::newRow("full") << 255 << std::string("FF") << std::string("FF") << std::string("255");
    // Outside a channel's range the rules still hold as written: one "0" in
    // front of a text that is not two long, and 16-bit two's complement.
    QTest::newRow("past full") << 256 << std::string("100") << std::string("0100")
                               << std::string("256");
    QTest::newRow("negative") << -1 << std::string("FFFF") << std::string("0FFFF")
                              << std::string("-1");
}

void TestHexCodec::channelTexts() {
    QFETCH(int, value);
    QFETCH(std::string, shortText);
    QFETCH(std::string, toHex);
    QFETCH(std::string, decimal);
    const auto channel = static_cast<Int16>(value);
    QCOMPARE(shortHex(channel), shortText);
    QCOMPARE(ToHex(channel), toHex);
    QCOMPARE(decimalText(channel), decimal);
}

void TestHexCodec::to10_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("lower") << std::string("ff") << 255;
    QTest::newRow("upper") << std::string("FF") << 255;
    QTest::newRow("mixed") << std::string("Ff") << 255;
    QTest::newRow("digit and letter") << std::string("7f") << 127;
    QTest::newRow("upper letter last") << std::string("8B") << 139;
    QTest::newRow("leading zero") << std::string("0a") << 10;
    QTest::newRow("zeros") << std::string("00") << 0;
    QTest::newRow("two decimal digits are hex") << std::string("12") << 18;
    QTest::newRow("not hex letters") << std::string("zz") << 0;
    QTest::newRow("empty") << std::string() << 0;
    QTest::newRow("one digit") << std::string("9") << 9;
    QTest::newRow("one letter") << std::string("c") << 12;
    QTest::newRow("three digits read as decimal") << std::string("123") << 123;
    QTest::newRow("three letters") << std::string("fff") << 0;
    QTest::newRow("too big for 16 bits") << std::string("99999") << 0;
}

void TestHexCodec::to10() {
    QFETCH(std::string, text);
    QFETCH(int, value);
    QCOMPARE(hueprobe::to10(text), value);
}

void TestHexCodec::to10sub_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<int>("value");
    for (char letter = 'A'; letter <= 'F'; ++letter) {
        const int value = 10 + (letter - 'A');
        const char lower = static_cast<char>(std::tolower(letter));
        QTest::addRow("%c", letter) << std::string(1, letter) << value;
        QTest::addRow("%c", lower) << std::string(1, lower) << value;
    }
    for (char digit = '0'; digit <= '9'; ++digit)
        QTest::addRow("%c", digit) << std::string(1, digit) << (digit - '0');
    QTest::newRow("empty") << std::string() << 0;
    QTest::newRow("g") << std::string("g") << 0;
    QTest::newRow("G") << std::string("G") << 0;
    QTest::newRow("blank") << std::string(" ") << 0;
}

void TestHexCodec::to10sub() {
    QFETCH(std::string, text);
    QFETCH(int, value);
    QCOMPARE(hueprobe::to10sub(text), value);
}

void TestHexCodec::to10InvertsToHexInEitherCase() {
    for (int value = 0; value <= 255; ++value) {
        const std::string upper = ToHex(static_cast<Int16>(value));
        std::string lower = upper;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(c));
        const std::string mixed{upper[0], lower[1]};
        QCOMPARE(hueprobe::to10(upper), value);
        QCOMPARE(hueprobe::to10(lower), value);
        QCOMPARE(hueprobe::to10(mixed), value);
    }
}

void TestHexCodec::inverseAndCode() {
    QCOMPARE(inverseColor({0, 255, 170}), (Channels{255, 0, 85}));
    QCOMPARE(inverseColor({0, 0, 0}), (Channels{255, 255, 255}));
    QCOMPARE(sixDigitCode({"00", "FF", "AA"}), std::string("00FFAA"));
}

void TestHexCodec::overflowEndsTheProgramWithAMessage() {
#ifdef __unix__
    int pipeEnds[2];
    QCOMPARE(pipe(pipeEnds), 0);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        dup2(pipeEnds[1], STDERR_FILENO);
        // 40000 does not fit a 16-bit channel: this must not come back.
        (void)checkedInt16(40000, "a test's sum");
        _exit(0);
    }
    close(pipeEnds[1]);
    std::string message;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT, "the program must end");
    QVERIFY2(message.find("a test's sum gave 40000") != std::string::npos, message.c_str());
#else
    QSKIP("needs fork()");
#endif
}

QTEST_APPLESS_MAIN(TestHexCodec)
#include "tst_hexcodec.moc"
