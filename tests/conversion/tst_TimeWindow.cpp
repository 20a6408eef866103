// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "ConversionError.h"
#include "TimeLocale.h"
#include "TimeReader.h"
#include "TimeWindow.h"

#include <QLocale>
#include <QTest>

class TimeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void readsTimes_data();
    void readsTimes();
    void readsLocale();
    void readsEveryLocalesDesignators();
    void checksWindow_data();
    void checksWindow();
    void errorsCarryMessage();
};

// An invalid time is written as QTime() in the table.
void TimeWindowTest::readsTimes_data()
{
    QTest::addColumn<TimeLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTime>("expected");

    const TimeLocale en;
    QTest::newRow("all fields") << en << "23:59:59.999" << QTime(23, 59, 59, 999);
    QTest::newRow("empty") << en << "" << QTime();
    QTest::newRow("stops at 1000") << en << "1000" << QTime();
    QTest::newRow("ms stops at 1000") << en << "0:00:00.1000" << QTime();
    QTest::newRow("leading zeros do not stop") << en << "0000000001:20" << QTime(1, 20);
    QTest::newRow("very long number") << en << "99999999999999999999:00" << QTime();
    QTest::newRow("leading spaces") << en << "  0:20" << QTime(0, 20);
    QTest::newRow("trailing spaces") << en << "0:20  " << QTime(0, 20);
    QTest::newRow("tab is no space") << en << "0:20\t" << QTime();
    QTest::newRow("separator without minutes") << en << "0:20:" << QTime();
    QTest::newRow("decimal only after seconds") << en << "0:20.5" << QTime();
    QTest::newRow("non-ASCII digits") << en << "\u0661:\u0662\u0660" << QTime();
    QTest::newRow("pm after, no space") << en << "1:20pm " << QTime(13, 20);
    QTest::newRow("AM before") << en << "AM 1:20" << QTime(1, 20);
    QTest::newRow("12:00 AM") << en << "12:00 AM" << QTime(0, 0);
    QTest::newRow("12:00 PM") << en << "12:00 PM" << QTime(12, 0);
    QTest::newRow("0 hours with AM") << en << "0:20 AM" << QTime();
    QTest::newRow("13 hours with PM") << en << "PM 13:00" << QTime();
    QTest::newRow("designator twice") << en << "AM 1:20 PM" << QTime();

    const TimeLocale finnish(".", ",", "ap.", "ip.");
    QTest::newRow("dot separator") << finnish << "0.20" << QTime(0, 20);
    QTest::newRow("colon no longer separates") << finnish << "0:20" << QTime();
    QTest::newRow("comma decimal") << finnish << "0.20.30,5" << QTime(0, 20, 30, 5);
    QTest::newRow("locale PM, case") << finnish << "1.20 IP." << QTime(13, 20);
    QTest::newRow("English PM still read") << finnish << "1.20 PM" << QTime(13, 20);
    const TimeLocale longer("::", ",,", "", "");
    QTest::newRow("longer separators fall back") << longer << "0:20:30.5" << QTime(0, 20, 30, 5);
    QTest::newRow("longer separator not read") << longer << "0::20" << QTime();
    QTest::newRow("empty designators match nothing") << longer << "1:20 pm" << QTime(13, 20);
    // Swiss German: the afternoon's designator begins with the English morning's.
    const TimeLocale swiss(":", ".", "am Vormittag", "am Namittag");
    QTest::newRow("designator beginning with AM") << swiss << "1:20 am Namittag" << QTime(13, 20);
    QTest::newRow("designator beginning with AM, first") << swiss << "AM NAMITTAG 1:20" << QTime(13, 20);
    QTest::newRow("locale morning") << swiss << "1:20 am Vormittag" << QTime(1, 20);
    QTest::newRow("English AM beside it") << swiss << "1:20 am" << QTime(1, 20);
    QTest::newRow("part of a designator") << swiss << "1:20 am Nami" << QTime();
    const TimeLocale letters(":", ".", "a", "p");
    QTest::newRow("English AM beside a shorter one") << letters << "1:20 PM" << QTime(13, 20);
    QTest::newRow("shorter locale designator") << letters << "p 1:20" << QTime(13, 20);
}

void TimeWindowTest::readsTimes()
{
    QFETCH(TimeLocale, locale);
    QFETCH(QString, text);
    QFETCH(QTime, expected);
    QCOMPARE(TimeReader(locale).read(text).value_or(QTime()), expected);
}

void TimeWindowTest::readsLocale()
{
    QCOMPARE(TimeLocale::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)), TimeLocale());
    const TimeLocale finnish = TimeLocale::fromLocale(QLocale(QLocale::Finnish, QLocale::Finland));
    QCOMPARE(finnish.timeSeparator(), QChar(u'.'));
    QCOMPARE(finnish.decimalSeparator(), QChar(u','));
    QCOMPARE(TimeLocale("", "", "AM", "PM"), TimeLocale());

    QCOMPARE(TimeLocale::timeSeparatorOf("AP h:mm"), ":");
    QCOMPARE(TimeLocale::timeSeparatorOf("HH'-'mm"), "-");
    QCOMPARE(TimeLocale::timeSeparatorOf("HH 'h' mm"), "");
}

// Every locale Qt knows must read a time written with its own separators and designators.
void TimeWindowTest::readsEveryLocalesDesignators()
{
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    const QTime morning(1, 20, 30, 500);
    const QTime afternoon(13, 20, 30, 500);
    for (const QLocale& qlocale : locales) {
        const TimeLocale locale = TimeLocale::fromLocale(qlocale);
        const TimeReader reader(locale);
        const QString sep(locale.timeSeparator());
        const QString clock = "1" + sep + "20" + sep + "30" + locale.decimalSeparator() + "500";
        const auto read = [&reader](const QString& text) { return reader.read(text).value_or(QTime()); };
        QCOMPARE(read(clock), morning);
        if (!locale.amText().isEmpty())
            QCOMPARE(read(clock + u' ' + locale.amText()), morning);
        if (!locale.pmText().isEmpty()) {
            QCOMPARE(read(clock + u' ' + locale.pmText()), afternoon);
            QCOMPARE(read(locale.pmText() + u' ' + clock), afternoon);
        }
        if (QTest::currentTestFailed()) {
            qWarning() << "in locale" << qlocale.name();
            return;
        }
    }
}

void TimeWindowTest::checksWindow_data()
{
    QTest::addColumn<TimeLocale>("locale");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("error");  // empty when accepted
    QTest::addColumn<int>("hundredths"); // the section as the splitter cuts it
    QTest::addColumn<QString>("splitterStart");

    const TimeLocale en;
    const QString tooLong = RequestRefusal::tooLong().message();
    const QString notLater = RequestRefusal::endNotLater().message();
    QTest::newRow("initial values") << en << "0:20"
                                    << "0:50"
                                    << "" << 3000 << "0.20";
    QTest::newRow("40 seconds") << en << "0:10"
                                << "0:50"
                                << "" << 4000 << "0.10";
    QTest::newRow("41 seconds over a minute") << en << "0:20"
                                              << "1:01" << tooLong << 0 << "";
    QTest::newRow("41 seconds") << en << "0:05"
                                << "0:46" << tooLong << 0 << "";
    QTest::newRow("40 seconds and hundredths") << en << "0:10"
                                               << "0:50:59"
                                               << "" << 4059 << "0.10";
    QTest::newRow("end before start") << en << "0:50"
                                      << "0:20" << notLater << 0 << "";
    QTest::newRow("end at start") << en << "0:20"
                                  << "0:20" << notLater << 0 << "";
    QTest::newRow("seconds field as hundredths") << en << "0:20:30"
                                                 << "0:50"
                                                 << "" << 2970 << "0.20.30";
    QTest::newRow("hundredths decide the order") << en << "0:20:30"
                                                 << "0:20:10" << notLater << 0 << "";
    QTest::newRow("milliseconds do not count") << en << "0:20"
                                               << "0:20:00.5" << notLater << 0 << "";
    QTest::newRow("hours only") << en << "20"
                                << "0:50" << notLater << 0 << "";
    QTest::newRow("0:60") << en << "0:60"
                          << "0:50"
                          << "'0:60' is not a valid time" << 0 << "";
    QTest::newRow("24:00") << en << "24:00"
                           << "0:50"
                           << "'24:00' is not a valid time" << 0 << "";
    QTest::newRow("end invalid") << en << "0:20"
                                 << "0:60"
                                 << "'0:60' is not a valid time" << 0 << "";
    QTest::newRow("start reported first") << en << "abc"
                                          << "xyz"
                                          << "'abc' is not a valid time" << 0 << "";
    QTest::newRow("empty start") << en << ""
                                 << "0:50"
                                 << "'' is not a valid time" << 0 << "";
    QTest::newRow("12345") << en << "12345"
                           << "0:50"
                           << "'12345' is not a valid time" << 0 << "";
    QTest::newRow("PM") << en << "1:20 PM"
                        << "13:50"
                        << "" << 3000 << "1.20 PM";
    QTest::newRow("spaces") << en << "0 : 20"
                            << "0:50"
                            << "" << 3000 << "0 . 20";
    QTest::newRow("12:00 AM is zero") << en << "12:00 AM"
                                      << "0:40"
                                      << "" << 4000 << "12.00 AM";
    const TimeLocale dot(".", ",", "AM", "PM");
    QTest::newRow("dot locale, colon") << dot << "0:20"
                                       << "0:50"
                                       << "'0:20' is not a valid time" << 0 << "";
    QTest::newRow("dot locale") << dot << "0.20"
                                << "0.50"
                                << "" << 3000 << "0.20";
    QTest::newRow("dot locale, too long") << dot << "0.20"
                                          << "1.01" << tooLong << 0 << "";
}

void TimeWindowTest::checksWindow()
{
    QFETCH(TimeLocale, locale);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, error);
    QFETCH(int, hundredths);
    QFETCH(QString, splitterStart);

    const TimeReader reader(locale);
    try {
        QCOMPARE(TimeWindow::check(start, end, reader), hundredths);
        QVERIFY2(error.isEmpty(), "accepted");
        QCOMPARE(TimeWindow::splitterForm(start), splitterStart);
    } catch (const ConversionError& e) {
        QCOMPARE(e.message(), error);
        // Unreadable times go to the error report, the rest to an error dialog.
        QCOMPARE(dynamic_cast<const InvalidTimeError*>(&e) != nullptr, error.contains("valid time"));
    }
}

void TimeWindowTest::errorsCarryMessage()
{
    const InvalidTimeError invalid(QStringLiteral("%2 ä"));
    QCOMPARE(invalid.message(), QStringLiteral("'%2 ä' is not a valid time"));
    QCOMPARE(QByteArray(invalid.what()), QByteArray("'%2 \xc3\xa4' is not a valid time"));
    QCOMPARE(TimeWindow::splitterForm("1:2:3"), QStringLiteral("1.2.3"));
}

QTEST_GUILESS_MAIN(TimeWindowTest)
#include "tst_TimeWindow.moc"
