// The scale's port against a real pseudo-terminal: the test writes what a
// scale sends to the master side, the program reads the slave by its path.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "scale/ScalePort.h"

namespace kaldoventri {
namespace {

class PlayedScale : public testing::Test {
protected:
    void SetUp() override {
        char name[256] = {};
        ASSERT_EQ(openpty(&master_, &slave_, name, nullptr, nullptr), 0);
        path_ = QString::fromLocal8Bit(name);
    }
    void TearDown() override {
        port_.Close();
        if (master_ >= 0) close(master_);
        close(slave_);
    }
    void Send(const char* bytes) { ASSERT_EQ(write(master_, bytes, strlen(bytes)), ssize_t(strlen(bytes))); }
    // Lets the port read everything sent so far.
    void Settle() {
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            usleep(2000);
        }
    }
    std::vector<double> Grams(const QSignalSpy& spy) {
        std::vector<double> grams;
        for (const auto& arguments : spy)
            grams.push_back(ReadingGrams(arguments.at(0).value<ScaleReading>(), ReadingUnit::Gram));
        return grams;
    }

    int master_ = -1, slave_ = -1;
    QString path_;
    ScalePort port_;
};

TEST_F(PlayedScale, PrintedReadingsCountEachEvenInPiecesAndUnstableOnesArePassedOver) {
    ASSERT_TRUE(port_.Open(path_, 9600, ScalePort::Output::PrintKey));
    QSignalSpy taken(&port_, &ScalePort::readingTaken), passed(&port_, &ScalePort::linePassedOver);
    Send("ST,GS,+000");
    Settle();
    EXPECT_EQ(taken.count(), 0);
    Send("12.34  g\r\nUS,+00012.40  g\r\n     12.3\r");
    Settle();
    Send("\n12.3 g\n");
    Settle();
    EXPECT_EQ(Grams(taken), (std::vector<double>{12.34, 12.3, 12.3}));
    EXPECT_EQ(passed.count(), 1);
}

TEST_F(PlayedScale, ContinuousOutputCountsEachNewSettledWeightOnce) {
    ASSERT_TRUE(port_.Open(path_, 9600, ScalePort::Output::Continuous));
    QSignalSpy taken(&port_, &ScalePort::readingTaken);
    Send("ST,+0.00 g\nUS,+5.00 g\nST,+12.34 g\nST,+12.34 g\nUS,+3.00 g\nST,+12.34 g\n"
         "ST,+0.00 g\nST,+12.34 g\nST,+13.10 g\n");
    Settle();
    EXPECT_EQ(Grams(taken), (std::vector<double>{12.34, 12.34, 13.1}));
}

TEST_F(PlayedScale, AnUnpluggedScaleClosesThePortWithOneMessage) {
    ASSERT_TRUE(port_.Open(path_, 9600, ScalePort::Output::PrintKey));
    QSignalSpy taken(&port_, &ScalePort::readingTaken), failed(&port_, &ScalePort::failed);
    Send("12.34 g\n");
    Settle();
    close(master_);
    master_ = -1;
    Settle();
    ASSERT_TRUE(failed.count() == 1 || failed.wait(2000));
    Settle();
    EXPECT_EQ(failed.count(), 1);
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_EQ(taken.count(), 1);
}

TEST_F(PlayedScale, ALineLeftUnfinishedClosesThePort) {
    ASSERT_TRUE(port_.Open(path_, 9600, ScalePort::Output::PrintKey));
    QSignalSpy failed(&port_, &ScalePort::failed);
    Send("ST,+00012");
    ASSERT_TRUE(failed.wait(4000));
    EXPECT_FALSE(port_.IsOpen());
}

TEST(ScalePort, APortThatDoesNotExistIsRefusedWithItsName) {
    ScalePort port;
    QSignalSpy failed(&port, &ScalePort::failed);
    EXPECT_FALSE(port.Open("/dev/no-such-scale", 9600, ScalePort::Output::PrintKey));
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().contains("/dev/no-such-scale"));
}

}  // namespace
}  // namespace kaldoventri

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
