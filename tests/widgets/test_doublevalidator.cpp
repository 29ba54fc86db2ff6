// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/doublevalidator.h"

#include <QTest>

class TestDoubleValidator : public QObject {
    Q_OBJECT
private slots:
    void validate_data() {
        QTest::addColumn<bool>("negatives");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("expected");
        const int intermediate = QValidator::Intermediate;
        const int invalid = QValidator::Invalid;
        const int acceptable = QValidator::Acceptable;
        // The starts of a number may stay in the field; the minus only where negatives may.
        for (const bool negatives : {true, false})
            for (const char* start : {"", ".", ",", "-", "-.", "-,"})
                QTest::addRow("%s start '%s'", negatives ? "signed" : "unsigned", start)
                    << negatives << QString(start)
                    << (negatives || start[0] != '-' ? intermediate : invalid);
        // Decimals are counted after the C locale's point.
        QTest::newRow("negative fraction") << true << "-1.5" << acceptable;
        QTest::newRow("three decimals") << true << "0.125" << acceptable;
        QTest::newRow("four decimals") << true << "0.1255" << invalid;
        // Grouped digits would be read as 0.
        QTest::newRow("grouped") << true << "1,000" << invalid;
        // What the base class would let stay half-typed is refused.
        QTest::newRow("above range") << true << "1000000000" << invalid;
    }

    void validate() {
        QFETCH(bool, negatives);
        QFETCH(QString, input);
        QFETCH(int, expected);
        DoubleValidator validator(negatives ? -999999999.999 : 0.0, 999999999.999, 3);
        validator.setNotation(QDoubleValidator::StandardNotation);
        validator.setLocale(QLocale::c());
        int pos = int(input.size());
        QCOMPARE(int(validator.validate(input, pos)), expected);
    }
};

QTEST_GUILESS_MAIN(TestDoubleValidator)
#include "test_doublevalidator.moc"
