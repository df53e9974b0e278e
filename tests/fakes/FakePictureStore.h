#pragma once

#include "fakes/FakeHook.h"
#include "platform/PictureStore.h"

#include <QHash>

class FakePictureStore final : public PictureStore
{
public:
    ~FakePictureStore() override;
    std::optional<QByteArray> find(const QString& url) override
    {
        hook(u"find");
        const auto found = kept.constFind(url);
        return found == kept.constEnd() ? std::nullopt : std::optional(*found);
    }
    void store(const QString& url, const QByteArray& bytes) override
    {
        hook(u"store");
        kept.insert(url, bytes);
    }

    QHash<QString, QByteArray> kept;
    FakeHook hook{"FakePictureStore", {u"find", u"store"}};
};
