#pragma once
// Environment variables set for a scope (a null value unsets one), and put back as they were.
#include <QByteArray>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tralyx::test {

class clsScopedEnvironment {
public:
    clsScopedEnvironment(std::initializer_list<std::pair<const char*, QByteArray>> pudtValues)
    {
        for (const auto& [pstrName, bytValue] : pudtValues) {
            mudtWas.emplace_back(pstrName, qEnvironmentVariableIsSet(pstrName) ? qgetenv(pstrName) : QByteArray());
            Put(pstrName, bytValue);
        }
    }
    ~clsScopedEnvironment()
    {
        for (auto it = mudtWas.rbegin(); it != mudtWas.rend(); ++it) Put(it->first, it->second);
    }
    clsScopedEnvironment(const clsScopedEnvironment&) = delete;
    clsScopedEnvironment& operator=(const clsScopedEnvironment&) = delete;

private:
    static void Put(const char* pstrName, const QByteArray& pbytValue)
    {
        if (pbytValue.isNull()) qunsetenv(pstrName);
        else qputenv(pstrName, pbytValue);
    }
    std::vector<std::pair<const char*, QByteArray>> mudtWas;
};

}  // namespace tralyx::test
