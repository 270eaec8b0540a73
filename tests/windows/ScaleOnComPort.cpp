// The scale on a Windows COM port, under Wine: scale_on_pty.py maps the port
// to a pseudo-terminal, waits for the file "opened" in FOLDER, plays a
// scale's lines, waits for "read", then pulls the plug.
//   ScaleOnComPort PORT FOLDER   exits 0 when every step went as a user expects
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <vector>

#include "scale/ScalePort.h"

using kaldoventri::ScalePort;
using kaldoventri::ScaleReading;

namespace {
int Fail(const QString& why) {
    std::fprintf(stderr, "FAIL: %s\n", why.toLocal8Bit().constData());
    return 1;
}
void Touch(const QString& folder, const char* name) {
    QFile flag(QDir(folder).filePath(QString::fromLatin1(name)));
    flag.open(QIODevice::WriteOnly);
}
// Runs the event loop until `done` holds or 20 s have passed.
template <typename Done>
bool WaitFor(Done done) {
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(20000);
    while (!done() && limit.isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) return Fail(QStringLiteral("usage: ScaleOnComPort PORT FOLDER"));
    const QString port = QString::fromLocal8Bit(argv[1]), folder = QString::fromLocal8Bit(argv[2]);

    ScalePort scale;
    std::vector<double> grams;
    QStringList failures;
    QObject::connect(&scale, &ScalePort::readingTaken, [&](const ScaleReading& reading) {
        grams.push_back(kaldoventri::ReadingGrams(reading, kaldoventri::ReadingUnit::Gram));
    });
    QObject::connect(&scale, &ScalePort::failed, [&](const QString& message) { failures << message; });

    ScalePort missing;
    QString refusal;
    QObject::connect(&missing, &ScalePort::failed, [&](const QString& message) { refusal = message; });
    if (missing.Open(QStringLiteral("COM77"), 9600, ScalePort::Output::PrintKey) || !refusal.contains(QStringLiteral("COM77")))
        return Fail(QStringLiteral("a port that is not there: '%1'").arg(refusal));

    if (!scale.Open(port, 9600, ScalePort::Output::PrintKey)) return Fail(failures.join(QLatin1Char(' ')));
    Touch(folder, "opened");
    // The player sends 12.34 g, 5.00 g, an unstable 9.99 g and 0.50 g.
    if (!WaitFor([&] { return grams.size() >= 3 || !failures.isEmpty(); }) || !failures.isEmpty())
        return Fail(QStringLiteral("%1 readings, %2").arg(grams.size()).arg(failures.join(QLatin1Char(' '))));
    const std::vector<double> expected{12.34, 5.0, 0.5};
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (std::fabs(grams[i] - expected[i]) > 1e-9) return Fail(QStringLiteral("reading %1 is %2 g").arg(i + 1).arg(grams[i]));
    Touch(folder, "read");

    if (!WaitFor([&] { return !failures.isEmpty(); })) return Fail(QStringLiteral("the pulled plug went unnoticed"));
    if (scale.IsOpen() || !failures.front().contains(QStringLiteral("svarar inte längre")) || grams.size() != 3)
        return Fail(QStringLiteral("after the pulled plug: '%1', %2 readings").arg(failures.front()).arg(grams.size()));
    std::printf("PASS: 3 readings from %s, the unstable one passed over, the pulled plug reported\n", argv[1]);
    return 0;
}
