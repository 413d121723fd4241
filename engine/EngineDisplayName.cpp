#include "EngineDisplayName.h"

#include <QCoreApplication>

QString engineDisplayName(const std::string& name)
{
    return name.empty() ? QCoreApplication::translate("EngineDisplayName", "the engine") : QString::fromStdString(name);
}
