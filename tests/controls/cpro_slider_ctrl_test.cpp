#include "controls/cpro_slider_ctrl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QTest>

namespace halvo {
namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

class SliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    slider.setGeometry(100, 100, 531, 19);
    slider.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
  }

  void Move(QPoint p, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent event(QEvent::MouseMove, p, slider.mapToGlobal(p), Qt::NoButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&slider, &event);
  }

  QImage Paint() { return slider.grab().toImage(); }
  int MiddleRow() { return slider.channelRect().center().y(); }
  // The fill is blue-violet: clearly more blue than red.
  bool IsFill(const QImage& image, int x) {
    const QColor c = image.pixelColor(x, MiddleRow());
    return c.blue() - c.red() > 60;
  }

  CProSliderCtrl slider;
};

TEST_F(SliderTest, FillGrowsFromNineWithTheProgress) {
  slider.setRange(0, 10000);
  EXPECT_EQ(slider.pageStep(), 2000);
  slider.setValue(10000);            // thumb out of the way at the right end
  EXPECT_FALSE(IsFill(Paint(), 9));  // maximum 0: no fill
  slider.setProgressMaximum(10000);
  EXPECT_EQ(slider.SetProgress(5000), 0);
  QImage half = Paint();
  const QRect channel = slider.channelRect();
  const int inner = channel.width() - 4;
  const int right = 9 + inner * 5000 / 10000;
  EXPECT_FALSE(IsFill(half, 8));
  EXPECT_TRUE(IsFill(half, 9));
  EXPECT_TRUE(IsFill(half, right - 1));
  EXPECT_FALSE(IsFill(half, right + 1));
  EXPECT_EQ(slider.SetProgress(0), 5000);
  EXPECT_FALSE(IsFill(Paint(), 9));
}

TEST_F(SliderTest, ThumbColourFollowsHoverAndDrag) {
  slider.setRange(0, 10000);
  slider.setValue(5000);
  const QRect thumb = slider.thumbRect();
  const QPoint outer(thumb.left() + thumb.width() / 2, thumb.top());
  EXPECT_EQ(Paint().pixelColor(outer), ToQColor(MakeColour(0, 204, 0)));

  Move({thumb.left() - 2, thumb.center().y()});
  EXPECT_EQ(slider.model().thumbColour, MakeColour(255, 102, 0));
  EXPECT_EQ(Paint().pixelColor(outer), ToQColor(MakeColour(255, 102, 0)));
  Move({thumb.left() - 3, thumb.center().y()});
  EXPECT_EQ(slider.model().thumbColour, MakeColour(0, 204, 0));

  QTest::mousePress(&slider, Qt::LeftButton, {}, thumb.center());
  ASSERT_TRUE(slider.isSliderDown());
  Move(thumb.center() + QPoint(30, 0), Qt::LeftButton);
  const QImage dragged = Paint();
  EXPECT_EQ(slider.model().thumbColour, MakeColour(153, 102, 204));
  const QRect moved = slider.thumbRect();
  EXPECT_EQ(dragged.pixelColor(moved.left() + moved.width() / 2, moved.top()),
            ToQColor(MakeColour(153, 102, 204)));
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, thumb.center() + QPoint(30, 0));
}

TEST_F(SliderTest, HeldGrooveClickRepeatsAndBlinksTheThumb) {
  slider.setRange(0, 10000);
  slider.TimerTick();
  EXPECT_EQ(slider.model().thumbColour, MakeColour(204, 204, 204));
  slider.TimerTick();
  EXPECT_EQ(slider.model().thumbColour, MakeColour(102, 102, 204));

  // The slider's own repeat timer, as a trackbar's timer, toggles the blink.
  const QPoint farRight(slider.width() - 3, slider.height() / 2);
  QTest::mousePress(&slider, Qt::LeftButton, {}, farRight);
  QDeadlineTimer deadline(5000);
  while (!slider.model().blinkPhase && !deadline.hasExpired()) QTest::qWait(10);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, farRight);
  EXPECT_TRUE(slider.model().blinkPhase);
  EXPECT_GT(slider.value(), 0);
}

}  // namespace
}  // namespace halvo
