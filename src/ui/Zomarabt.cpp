#include "ui/Zomarabt.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Fonts.h"

TAboutBox::TAboutBox(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("About"));
  auto* Layout = new QVBoxLayout(this);
  ProductName = new QLabel(QStringLiteral("ZOMAR (An Impedance Adjustment Program)"), this);
  ProductName->setFont(PointFont("MS Sans Serif", 10, true));
  Version = new QLabel(QStringLiteral("Version " ZOMAR_VERSION), this);
  Comments = new QLabel(QStringLiteral("Suggestions and comments to the author:\n"
                                       "    the ZOMAR developers\n"
                                       "    zomar-dev@lists.example.org\n"
                                       "    https://zomar.example.org/issues"),
                        this);
  Comments->setTextInteractionFlags(Qt::TextSelectableByMouse);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setDefault(true);
  for (QWidget* W : {static_cast<QWidget*>(ProductName), static_cast<QWidget*>(Version),
                     static_cast<QWidget*>(Comments)})
    Layout->addWidget(W);
  Layout->addWidget(OKButton, 0, Qt::AlignHCenter);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool TAboutBox::Execute() { return exec() == QDialog::Accepted; }
