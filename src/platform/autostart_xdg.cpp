#include "autostart.h"
#include "desktopentry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

constexpr auto entryName = "dialtally.desktop";

class XdgAutostart final : public Autostart {
public:
    explicit XdgAutostart(QString configHome)
        : m_folder(QDir(configHome).filePath(QStringLiteral("autostart")))
    {}

    std::optional<QString> read(QString*) const override
    {
        return programOfDesktopExec(desktopEntryValue(entryPath(), QStringLiteral("Desktop Entry"),
                                                      QStringLiteral("Exec")));
    }

    bool write(const QString& data, QString* error) override
    {
        const auto fail = [error] {
            if (error)
                *error = QStringLiteral("Failed to set data for 'dialtally'");
            return false;
        };
        // The autostart folder may not exist yet on a fresh account.
        if (!QDir().mkpath(m_folder))
            return fail();
        QSaveFile file(entryPath());
        if (!file.open(QIODevice::WriteOnly))
            return fail();
        const QString text =
            QStringLiteral("[Desktop Entry]\n"
                           "Type=Application\n"
                           "Version=1.0\n"
                           "Name=Dialtally\n"
                           "Comment=Records the time and cost of dial-up connections\n"
                           "Exec=%1\n"
                           "Terminal=false\n")
                .arg(desktopExecFor(data));
        file.write(text.toUtf8());
        return file.commit() || fail();
    }

    void remove() override { QFile::remove(entryPath()); }

private:
    QString entryPath() const { return QDir(m_folder).filePath(QString::fromLatin1(entryName)); }

    QString m_folder;
};

} // namespace

std::unique_ptr<Autostart> xdgAutostart(const QString& configHome)
{
    return std::make_unique<XdgAutostart>(configHome);
}

std::unique_ptr<Autostart> systemAutostart()
{
    return xdgAutostart(xdgConfigHome());
}
