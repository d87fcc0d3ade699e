#include "ClientFixture.h"

#include "AppSettings.h"
#include "MyMessageBox.h"
#include "TestSupport.h"

#include <QDir>

ClientFixture::ClientFixture()
{
    MyMessageBox::setPromptObserver([this](QWidget *parent, int number) {
        m_prompts.append(
            {number, parent,
             parent ? QString::fromLatin1(parent->metaObject()->className()) : QString()});
    });
    MyMessageBox::setQuestionAnswerer([this](QWidget *, const QString &text) {
        m_questions.append(text);
        return m_nextAnswers.isEmpty() ? m_answer : m_nextAnswers.takeFirst();
    });
    MyMessageBox::setWarningObserver(
        [this](QWidget *, const QString &text) { m_warnings.append(text); });
}

ClientFixture::~ClientFixture()
{
    MyMessageBox::setPromptObserver(nullptr);
    MyMessageBox::setQuestionAnswerer(nullptr);
    MyMessageBox::setWarningObserver(nullptr);
}

bool ClientFixture::start()
{
    if (!m_sim.listen(0))
        return false;
    QSettings &settings = TestSupport::freshSettings();
    AppSettings::writeNetworkDefaults(settings);
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), m_sim.port());
    settings.setValue(QLatin1String(AppSettings::kLanguage), 31);
    AppSettings::writeClientDefaults(settings);
    return true;
}

QVector<int> ClientFixture::promptNumbers() const
{
    QVector<int> numbers;
    for (const RaisedPrompt &prompt : m_prompts)
        numbers.append(prompt.number);
    return numbers;
}

void ClientFixture::screenshot(QWidget *widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("TIDEWELL_SCREENSHOTS");
    if (dir.isEmpty() || !widget)
        return;
    QDir().mkpath(dir);
    widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
