// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rowtext.h"

#include <QTest>
#include <stdexcept>

class TestRowText : public QObject
{
    Q_OBJECT
private slots:
    void rowTextIsShortForm_data();
    void rowTextIsShortForm();
    void valReadsLeadingNumber_data();
    void valReadsLeadingNumber();
    void valOfHugeNumberOverflows();
    void roundingTiesToEven_data();
    void roundingTiesToEven();
    void roundingOutOfRangeOverflows_data();
    void roundingOutOfRangeOverflows();
};

void TestRowText::rowTextIsShortForm_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0F << "0";
    QTest::newRow("negative zero") << -0.0F << "0";
    QTest::newRow("whole") << 123.0F << "123";
    QTest::newRow("canvas height minus y") << 177.0F - 176.0F << "1";
    QTest::newRow("fraction") << 0.5F << "0.5";
    QTest::newRow("seven digits") << 1234567.0F << "1234567";
    QTest::newRow("eight digits round to seven") << 12345678.0F << "1.234568E+07";
    QTest::newRow("negative") << -42.0F << "-42";
}

void TestRowText::rowTextIsShortForm()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(rowText(value), text);
}

void TestRowText::valReadsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("plain") << "123" << 123.0;
    QTest::newRow("leading zeros") << "00123" << 123.0;
    QTest::newRow("leading blanks and tab") << "  \t45" << 45.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("fraction") << "3.25" << 3.25;
    QTest::newRow("no integer part") << ".5" << 0.5;
    QTest::newRow("signs") << "-7" << -7.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("exponent") << "1.5E3" << 1500.0;
    QTest::newRow("lone exponent letter") << "12e" << 12.0;
    QTest::newRow("exponent without digits") << "12e+x" << 12.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("blank inside ends it") << "12 34" << 12.0;
    QTest::newRow("tiny rounds to zero") << "1e-400" << 0.0;
    QTest::newRow("tiny without exponent") << "0." + QString(400, u'0') + "1" << 0.0;
    QTest::newRow("short form round trip") << "1.234568E+07" << 12345680.0;
    // Faults once mended: the sign after leading blanks was dropped, and a whole number with a
    // point but no fraction was read as 0.
    QTest::newRow("signLostAfterBlanks") << " -12" << -12.0;
    QTest::newRow("wholeNumberWithPointReadAsZero") << "12." << 12.0;
}

void TestRowText::valReadsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Val(text), value);
}

void TestRowText::valOfHugeNumberOverflows()
{
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, Val(u"1e400"));
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, Val(u"0.001e99999999999999999"));
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, Val(QString(400, u'9')));
}

void TestRowText::roundingTiesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("177") << 177.0 << 177;
    QTest::newRow("int16 max") << 32767.0 << 32767;
    QTest::newRow("int16 min") << -32768.4 << -32768;
}

void TestRowText::roundingTiesToEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(toInt16(value), rounded);
    QCOMPARE(toInt32(value), rounded);
}

void TestRowText::roundingOutOfRangeOverflows_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fitsInt32");
    QTest::newRow("int16 max + 0.5 rounds up") << 32767.5 << true;
    QTest::newRow("int16 min - 1") << -32769.0 << true;
    QTest::newRow("int32 max + 1") << 2147483648.0 << false;
    QTest::newRow("nan") << std::nan("") << false;
    QTest::newRow("infinity") << HUGE_VAL << false;
}

void TestRowText::roundingOutOfRangeOverflows()
{
    QFETCH(double, value);
    QFETCH(bool, fitsInt32);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, toInt16(value));
    if (fitsInt32)
        QCOMPARE(double(toInt32(value)), std::nearbyint(value));
    else
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, toInt32(value));
}

QTEST_APPLESS_MAIN(TestRowText)
#include "tst_rowtext.moc"
