#include "autostart.h"

#include <windows.h>

#include <string>

namespace {

const wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t valueName[] = L"dialtally";

// The Run key, opened with full access and never created; closed with the object.
class RunKey {
public:
    RunKey()
    {
        m_ok = RegOpenKeyExW(HKEY_CURRENT_USER, runKey, 0, KEY_ALL_ACCESS, &m_key) == ERROR_SUCCESS;
    }
    ~RunKey()
    {
        if (m_ok)
            RegCloseKey(m_key);
    }
    RunKey(const RunKey&) = delete;
    RunKey& operator=(const RunKey&) = delete;
    bool ok() const { return m_ok; }
    HKEY key() const { return m_key; }

private:
    HKEY m_key = nullptr;
    bool m_ok = false;
};

class RegistryAutostart final : public Autostart {
public:
    std::optional<QString> read(QString* error) const override
    {
        RunKey run;
        if (!run.ok())
            return std::nullopt;
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(run.key(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return QString();
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            if (error)
                *error = QStringLiteral("Invalid data type for 'dialtally'");
            return std::nullopt;
        }
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(run.key(), valueName, nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
            return QString();
        return QString::fromWCharArray(data.c_str());
    }

    bool write(const QString& data, QString* error) override
    {
        RunKey run;
        if (!run.ok())
            return true; // no Run key: nothing is stored and nothing is reported
        const std::wstring text = data.toStdWString();
        const DWORD bytes = DWORD((text.size() + 1) * sizeof(wchar_t));
        if (RegSetValueExW(run.key(), valueName, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(text.c_str()), bytes) != ERROR_SUCCESS) {
            if (error)
                *error = QStringLiteral("Failed to set data for 'dialtally'");
            return false;
        }
        return true;
    }

    void remove() override
    {
        RunKey run;
        if (run.ok())
            RegDeleteValueW(run.key(), valueName);
    }
};

} // namespace

std::unique_ptr<Autostart> systemAutostart()
{
    return std::make_unique<RegistryAutostart>();
}
