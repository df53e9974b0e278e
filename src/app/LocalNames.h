#pragma once

#include "app/AppConfig.h"
#include "lookup/LookupChain.h"
#include "scanning/LocalAnswersOnly.h"

#include <QString>

class AnswerStore;
class Clock;
class EventLoop;
class ProductIndex;
class SettingsStore;

// The names of products as this machine knows them: the product index and the answers the
// sources gave before, asked in the order a run would ask them. Nothing is asked online, so a
// label job never waits for a database; a code no one here knows has no name.
class LocalNames final
{
public:
    LocalNames(const AppConfig& config, const SettingsStore& settings, ProductIndex& index,
               AnswerStore* answers, EventLoop& eventLoop, Clock& clock);
    LocalNames(const LocalNames&) = delete;
    LocalNames& operator=(const LocalNames&) = delete;

    // The product's name, or empty.
    QString nameOf(const QString& code);

private:
    LocalAnswersOnly m_nothingSent;
    LookupChain m_chain;
};
