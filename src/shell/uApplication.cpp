#include "shell/uApplication.h"

#include "shell/uLog.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

QString DemangledName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                std::free);
    return QString::fromUtf8(status == 0 && name ? name.get() : type.name());
}

} // namespace

QString AppErrorText(const std::exception& e) {
    return QStringLiteral("Error: ") + QString::fromUtf8(e.what()) + QLatin1Char('(') +
           DemangledName(typeid(e)) + QLatin1Char(')');
}

VelomarApplication::VelomarApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VelomarApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        AppError(e);
    } catch (...) {
        AppError(std::runtime_error("unknown exception"));
    }
    return false;
}

void VelomarApplication::AppError(const std::exception& e) const {
    if (log_)
        log_->WriteLog(AppErrorText(e));
}
