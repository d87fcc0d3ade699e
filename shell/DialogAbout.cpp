#include "DialogAbout.h"

#include "AppSettings.h"

#include <QPixmap>

const char DialogAbout::kClientVersion[] = "1.1.2";

DialogAbout::DialogAbout(QWidget *parent)
    : QDialog(parent)
{
    m_ui.setupUi(this);
    setWindowTitle(tr("About"));
    m_ui.lbSoftWareName->setText(tr("Software Version ") + QLatin1String(kClientVersion));
    QSettings &settings = AppSettings::store();
    m_ui.lbFirmwareAppVersion->setText(
        settings.value(QLatin1String(AppSettings::kFirmwareAppVersion)).toString());
    m_ui.lbFirmwareVersion->setText(
        settings.value(QLatin1String(AppSettings::kFirmwareVersion)).toString());
    m_ui.lbNotice->setText(tr("Tidewell D4 dosing pump control software"));
    m_ui.lbLogo->setPixmap(QPixmap(QStringLiteral(":images/app_icon.jpg")));
    connect(m_ui.btnClose, &QPushButton::clicked, this, &DialogAbout::btnClose_Clicked);
    m_ui.lbHomePage->setOpenExternalLinks(true);
    m_ui.lbHomePage->setText(
        QStringLiteral("<a href=\"https://www.tidewell.example\">www.tidewell.example</a>"));
}

void DialogAbout::btnClose_Clicked()
{
    accept();
}
