#pragma once
// Errors that the run-time face raises to the calling application, carrying the classic numbers
// that applications test for.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tralyx {

class clsRuntimeError : public std::runtime_error {
public:
    clsRuntimeError(int32_t plngNumber, const std::string& pstrDescription)
        : std::runtime_error(pstrDescription), mlngNumber(plngNumber) {}
    int32_t Number() const noexcept { return mlngNumber; }

private:
    int32_t mlngNumber;
};

// No desktop to show a run-time message on (MessageDesktop, basDesktop.h).
constexpr int32_t ErrNoDesktop = 91;

class clsSubscriptOutOfRange : public clsRuntimeError {
public:
    explicit clsSubscriptOutOfRange(const std::string& pstrWhere = {})
        : clsRuntimeError(9, "Subscript out of range" + (pstrWhere.empty() ? std::string() : ": " + pstrWhere)) {}
};

class clsOverflow : public clsRuntimeError {
public:
    explicit clsOverflow(const std::string& pstrWhere = {})
        : clsRuntimeError(6, "Overflow" + (pstrWhere.empty() ? std::string() : ": " + pstrWhere)) {}
};

class clsPropertyNotSupported : public clsRuntimeError {
public:
    explicit clsPropertyNotSupported(const std::string& pstrWhat = {})
        : clsRuntimeError(438, "Object doesn't support this property or method" +
                                   (pstrWhat.empty() ? std::string() : ": " + pstrWhat)) {}
};

}  // namespace tralyx
