// The "Registros" viewer, offscreen: decimated lines that keep every peak and
// break at gaps, the cursor's values, the marks, zoom and pan by wheel, drag
// and keys, and files in every bad state.
#include "monitor/log_viewer.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include "monitor/log_plot_view.h"
#include "tests/monitor/log_samples.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kRpm = static_cast<int>(LogChannel::Rpm);
constexpr int kLambda = static_cast<int>(LogChannel::LambdaVolts);

class LogViewerTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        viewer_ = std::make_unique<LogViewer>();
        viewer_->resize(1100, 760);
        viewer_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer_.get()));
    }
    void TearDown() override { viewer_.reset(), UiTest::TearDown(); }
    QString Write(const char* name, const QByteArray& bytes) {
        const QString path = TempPath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }
    // The pixel of the plot where tMs is drawn.
    QPoint PixelOf(int channel, double tMs) const {
        const LogPlotView* plot = viewer_->Plot(channel);
        return QPoint(plot->ViewportXOf(tMs), plot->height() / 2);
    }
    void Wheel(int channel, QPoint at, int delta) {
        QWidget* target = viewer_->Plot(channel)->viewport();
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    std::unique_ptr<LogViewer> viewer_;
};

// One-row spikes in a long log, up and down: each is in the plotted points,
// also once zoomed, while a plot never holds much more than two points per
// pixel column. A gap splits the line and nothing is drawn in it.
TEST_F(LogViewerTest, DecimatedLinesKeepEveryPeakAndBreakAtGaps) {
    auto log = IdleLog(200000);
    const std::size_t spikes[] = {1234, 98765, 150001};
    for (std::size_t i = 0; i < 3; ++i) log->values[kLambda][spikes[i]] = i % 2 ? 0.98 : 0.0;
    viewer_->ShowLog(log, QStringLiteral("spikes.csv"));
    for (double zoom : {1.0, 0.05}) {
        viewer_->ZoomAt(static_cast<double>(log->times[spikes[1]]), zoom);
        const QList<QPointF> points = viewer_->PlottedPoints(kLambda);
        EXPECT_LE(points.size(), 2 * viewer_->Plot(kLambda)->Columns() + 4);
        for (std::size_t row : spikes)
            EXPECT_TRUE(!viewer_->Axis().Contains(static_cast<double>(log->times[row])) ||
                        std::any_of(points.begin(), points.end(), [&](const QPointF& p) { return p.y() == log->values[kLambda][row]; }))
                << row << " " << zoom;
    }

    auto gapped = IdleLog(100);
    AddGap(*gapped, 10000);
    for (int i = 0; i < 100; ++i) AddRow(*gapped, 15000 + i * 100, 2000, 1, 0.5, 90);
    viewer_->ShowLog(gapped, QStringLiteral("gap.csv"));
    EXPECT_EQ(viewer_->PlottedRuns(kRpm), 2);
    // A column's points sit at its middle: at most one column into the gap.
    const double column = viewer_->Axis().Span() / 1000 / viewer_->Plot(kRpm)->Columns();
    for (const QPointF& p : viewer_->PlottedPoints(kRpm))
        EXPECT_FALSE(p.x() > 9.9 + column && p.x() < 15.0 - column) << p.x();
}

// A click puts the cursor; every shown channel gives the value of the last
// row at or before that instant, with the file's decimals and its unit.
TEST_F(LogViewerTest, CursorShowsEachChannelAtThatInstant) {
    auto log = std::make_shared<Datalog>();
    for (int i = 0; i < 100; ++i) AddRow(*log, i * 100, 1000 + i, 0.02 * i, 0.5, 80 + i);
    AddGap(*log, 10000);
    AddRow(*log, 11000, 900, 0.4, 0.3, 70);
    viewer_->ShowLog(log, QStringLiteral("cursor.csv"));

    QTest::mouseClick(viewer_->Plot(kRpm)->viewport(), Qt::LeftButton, {}, PixelOf(kRpm, 1250));
    EXPECT_TRUE(viewer_->CursorMs() >= 1200 && viewer_->CursorMs() < 1300) << viewer_->CursorMs();
    EXPECT_EQ(viewer_->CursorText(), QString::fromUtf8(
        "Rotação: 1012 rpm   TPS: 0.24 V   Sonda lambda: 0.50 V   Atuador: 92 passos"));

    viewer_->ChannelBox(static_cast<int>(LogChannel::InjectionMs))->setChecked(true);
    viewer_->ChannelBox(kLambda)->setChecked(false);
    viewer_->SetCursorMs(10500);
    EXPECT_EQ(viewer_->CursorText(), QString::fromUtf8("Rotação: —   TPS: —   Atuador: —   Injeção: —"));
    viewer_->SetCursorMs(11000);
    EXPECT_EQ(viewer_->CursorText(), QString::fromUtf8(
        "Rotação: 900 rpm   TPS: 0.40 V   Atuador: 70 passos   Injeção: 3.5 ms"));
}

// The marks (and the gaps) are listed in time order; a click shows that
// moment at the same zoom with the cursor on it. The wheel zooms about the
// time under the mouse, a drag pans by the distance dragged, and the keys
// zoom about the cursor and go back to the whole log.
TEST_F(LogViewerTest, MarksWheelDragAndKeysMoveTheSharedWindow) {
    auto log = IdleLog(36000);
    log->events = {{600000, "marca 1"}, {3000000, "marca 2"}};
    log->times[18000] = 1800000;
    for (auto& column : log->values) column[18000] = std::nan("");
    log->gaps.push_back(1800000);
    viewer_->ShowLog(log, QStringLiteral("marks.csv"));
    QListWidget* marks = viewer_->MarkList();
    QStringList listed;
    for (int i = 0; i < marks->count(); ++i) listed << marks->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"00:10:00.0  marca 1", "00:30:00.0  sem conexão", "00:50:00.0  marca 2"}));

    viewer_->SetWindow(0, 60000);
    QTest::mouseClick(marks->viewport(), Qt::LeftButton, {}, marks->visualItemRect(marks->item(2)).center());
    EXPECT_EQ((std::vector<double>{viewer_->Axis().Span(), viewer_->Axis().Start(), viewer_->CursorMs()}),
              (std::vector<double>{60000, 3000000 - 30000, 3000000}));

    const QPoint at = PixelOf(kLambda, 2990000);
    const double under = viewer_->Plot(kLambda)->TimeAtX(at.x());
    Wheel(kLambda, at, 120);
    EXPECT_NEAR(viewer_->Axis().Span(), 48000, 1);
    EXPECT_NEAR(viewer_->Plot(kLambda)->TimeAtX(at.x()), under, 1);
    Wheel(kRpm, at, -240);  // on another plot: the window is shared
    EXPECT_NEAR(viewer_->Axis().Span(), 75000, 1);

    const double start = viewer_->Axis().Start();
    const double msPerPixel = viewer_->Axis().Span() / viewer_->Plot(kRpm)->Columns();
    QWidget* plot = viewer_->Plot(kRpm)->viewport();
    QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(400, 40));
    for (int x : {450, 500}) QTest::mouseMove(plot, QPoint(x, 40));
    QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(500, 40));
    EXPECT_NEAR(viewer_->Axis().Start(), start - 100 * msPerPixel, 1);
    EXPECT_DOUBLE_EQ(viewer_->CursorMs(), 3000000);  // a drag moves no cursor

    viewer_->SetCursorMs(3010000);
    QTest::keyClick(viewer_.get(), Qt::Key_Plus);
    EXPECT_TRUE(std::abs(viewer_->Axis().Span() - 37500) < 1 && viewer_->Axis().Contains(3010000)) << viewer_->Axis().Span();
    QTest::keyClick(viewer_.get(), Qt::Key_Home);
    EXPECT_EQ((std::pair{viewer_->Axis().Start(), viewer_->Axis().End()}), (std::pair{0.0, 3599900.0}));

    viewer_->SetWindow(2400000, 3300000);
    viewer_->SetCursorMs(3000000);
    SaveScreenshot(viewer_.get(), QStringLiteral("log-viewer.png"));
}

// Files in every bad state open with what is readable and a message that
// says what was left out; the window stays usable while a large file is read.
TEST_F(LogViewerTest, BadFilesOpenWithAMessage) {
    const QByteArray header = "# Zano datalog 1\n# modelo: Q7100\n"
                              "tempo_ms,rpm,tps_V,lambda_V,passos,atuador,injecao_ms,evento\n"
                              "ms,rpm,V,V,passos,,ms,\n";
    QByteArray rows;
    for (int i = 0; i < 50; ++i)
        rows += QByteArray::number(i * 100) + ",850,0.52,0.45,80,0,3.5,\n";
    const struct { const char* name; QByteArray bytes; bool rowsShown; } cases[] = {
        {"cut.csv", header + rows + "5000,86", true},
        {"binary.csv", QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0", 20) + "\n\xff\xfe\0\n", false},
        {"empty.csv", QByteArray(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Write(c.name, c.bytes);
        messages_.clear();
        viewer_->OpenFile(path);
        ASSERT_TRUE(WaitUntil([&] { return !viewer_->IsLoading(); }, 10000));
        const Datalog expected = ReadDatalog(path.toStdString());
        ASSERT_FALSE(expected.message.empty());
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_TRUE(messages_[0].text.startsWith(QString::fromStdString(expected.message)))
            << messages_[0].text.toStdString();
        for (std::size_t i = 0; i < std::min<std::size_t>(expected.skipped.size(), 5); ++i)
            EXPECT_TRUE(messages_[0].text.contains(QStringLiteral("Linha %1:").arg(expected.skipped[i].line)));
        EXPECT_EQ(messages_[0].title, QStringLiteral("Registros"));
        EXPECT_EQ((std::pair{viewer_->PlottedPoints(kRpm).size() > 0, viewer_->PlayButton()->isEnabled()}), (std::pair{c.rowsShown, c.rowsShown}));
    }

    // About 40 MB: the reading runs beside a window that keeps answering.
    QByteArray block = header;
    for (int i = 0; i < 1000000; ++i) block += QByteArray::number(i * 100) + ",850,0.52,0.45,80,0,3.5,\n";
    messages_.clear();
    viewer_->OpenFile(Write("big.csv", block));
    EXPECT_TRUE(viewer_->IsLoading() && viewer_->BusyLabel()->isVisible());
    bool answered = false;
    QTimer::singleShot(0, [&] { answered = viewer_->IsLoading(); });
    ASSERT_TRUE(WaitUntil([&] { return !viewer_->IsLoading(); }, 60000));
    EXPECT_TRUE(answered && !viewer_->BusyLabel()->isVisible() && messages_.empty());
    EXPECT_DOUBLE_EQ(viewer_->Axis().End(), 99999900);
}

}  // namespace
