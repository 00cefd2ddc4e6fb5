#include "language/chelp_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/player_template.h"

namespace halvo {
namespace {

constexpr TemplateRect kDialogUnits{0, 0, 260, 90};
constexpr TemplateRect kIconUnits{7, 22, 20, 20};
constexpr TemplateRect kOkUnits{203, 7, 50, 16};
constexpr TemplateRect kProductUnits{56, 22, 118, 8};
constexpr TemplateRect kVersionCaptionUnits{56, 69, 27, 8};
constexpr TemplateRect kVersionFieldUnits{89, 69, 89, 8};
constexpr int kVersionFieldId = 1105;

void Place(QWidget& widget, const TemplateRect& units) {
  const TemplateRect pixels = DialogUnitsToPixels(units);
  widget.setGeometry(pixels.x, pixels.y, pixels.width, pixels.height);
}

QLabel* AddText(QDialog& dialog, const QString& text, const TemplateRect& units) {
  auto* label = new QLabel(text, &dialog);
  Place(*label, units);
  // Our fonts run a little wider than the one the template was made for:
  // grow rather than cut the text.
  label->resize(label->size().expandedTo(label->sizeHint()));
  return label;
}

}  // namespace

CHelpDlg::CHelpDlg(const QPixmap& appIcon, const QString& buildLabel, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Kesto"));
  // The template is laid out for an 8-point dialog font.
  QFont dialogFont = font();
  dialogFont.setPointSize(8);
  setFont(dialogFont);
  const TemplateRect size = DialogUnitsToPixels(kDialogUnits);
  setFixedSize(size.width, size.height);

  // The icon shows at its own size from the template position.
  auto* icon = new QLabel(this);
  icon->setPixmap(appIcon);
  const TemplateRect iconAt = DialogUnitsToPixels(kIconUnits);
  icon->move(iconAt.x, iconAt.y);
  icon->resize(appIcon.isNull() ? QSize(iconAt.width, iconAt.height) : appIcon.size());

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QString::number(static_cast<int>(ControlId::Ok)));
  ok->setDefault(true);
  Place(*ok, kOkUnits);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  AddText(*this, QStringLiteral("Halvo AVI Player v2.01"), kProductUnits);
  AddText(*this, QStringLiteral("Version:"), kVersionCaptionUnits);
  AddText(*this, buildLabel, kVersionFieldUnits)->setObjectName(QString::number(kVersionFieldId));
}

}  // namespace halvo
