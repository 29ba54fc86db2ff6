#include "widgets/doublevalidator.h"

#include <QTest>

class TestDoubleValidator : public QObject {
    Q_OBJECT
private slots:
    void validate_data();
    void validate();
};

void TestDoubleValidator::validate_data() {
    QTest::addColumn<double>("bottom");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("expected");

    const double signedBottom = -999999999.999;
    const int intermediate = QValidator::Intermediate;
    const int acceptable = QValidator::Acceptable;
    const int invalid = QValidator::Invalid;
    // The starts of a number may stay in the field.
    for (const char* start : {"", ".", ",", "-", "-.", "-,"})
        QTest::addRow("signed start '%s'", start) << signedBottom << QString(start) << intermediate;
    for (const char* start : {"", ".", ","})
        QTest::addRow("unsigned start '%s'", start) << 0.0 << QString(start) << intermediate;
    QTest::newRow("minus without negatives") << 0.0 << "-" << invalid;
    QTest::newRow("negative without negatives") << 0.0 << "-5" << invalid;

    QTest::newRow("integer") << signedBottom << "42" << acceptable;
    QTest::newRow("negative fraction") << signedBottom << "-1.5" << acceptable;
    QTest::newRow("three decimals") << signedBottom << "0.125" << acceptable;
    QTest::newRow("top of range") << signedBottom << "999999999.999" << acceptable;
    QTest::newRow("bottom of range") << signedBottom << "-999999999.999" << acceptable;
    QTest::newRow("four decimals") << signedBottom << "0.1255" << invalid;
    QTest::newRow("above range") << signedBottom << "1000000000" << invalid;
    QTest::newRow("exponent") << signedBottom << "1e5" << invalid;
    QTest::newRow("letters") << signedBottom << "abc" << invalid;
    QTest::newRow("two minus signs") << signedBottom << "--1" << invalid;
}

void TestDoubleValidator::validate() {
    QFETCH(double, bottom);
    QFETCH(QString, input);
    QFETCH(int, expected);

    DoubleValidator validator(bottom, 999999999.999, 3);
    validator.setNotation(QDoubleValidator::StandardNotation);
    validator.setLocale(QLocale::c());
    int pos = int(input.size());
    QCOMPARE(int(validator.validate(input, pos)), expected);
}

QTEST_GUILESS_MAIN(TestDoubleValidator)
#include "test_doublevalidator.moc"
