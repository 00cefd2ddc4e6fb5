#include "language/chelp_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace halvo {
namespace {

QPixmap TestIcon() {
  QPixmap icon(32, 32);
  icon.fill(Qt::red);
  return icon;
}

TEST(CHelpDlg, ShowsTheBuildLabelAndTheTemplate) {
  CHelpDlg dialog(TestIcon(), QStringLiteral("HX__TB_K_LN_V.2.0"));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Kesto"));
  // 260 x 90 dialog units, fixed.
  EXPECT_EQ(dialog.size(), QSize(390, 146));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

  auto* version = dialog.findChild<QLabel*>(QStringLiteral("1105"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text(), QStringLiteral("HX__TB_K_LN_V.2.0"));

  QStringList texts;
  const QLabel* icon = nullptr;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->pixmap().isNull()) icon = label;
    texts << label->text();
  }
  EXPECT_TRUE(texts.contains(QStringLiteral("Halvo AVI Player v2.01")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Version:")));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->geometry(), QRect(10, 35, 32, 32));  // at 7, 22, its own size
}

TEST(CHelpDlg, OkIsTheDefaultButtonAndCloses) {
  CHelpDlg dialog(TestIcon(), QStringLiteral("HX__TB_K_LN_V.2.0"));
  auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("1"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(ok->geometry(), QRect(304, 11, 75, 26));
  dialog.show();
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace halvo
