#include "protocol/radiotypes.h"

namespace {

template<typename E>
std::optional<E> forKey(const QStringList &keys, const QList<E> &values, const QString &key)
{
    const qsizetype index = keys.indexOf(key);
    if (index < 0)
        return std::nullopt;
    return values.at(index);
}

} // namespace

const QList<Product> &allProducts()
{
    static const QList<Product> list = { Product::Kv5, Product::Kv6 };
    return list;
}

const QList<Module> &allModules()
{
    static const QList<Module> list = { Module::Tarn, Module::BraeLoch, Module::Skerry, Module::HalfFjord };
    return list;
}

const QList<LinkMode> &allLinkModes()
{
    static const QList<LinkMode> list = { LinkMode::PointToPoint, LinkMode::PointToMultipoint };
    return list;
}

int lineBaudFor(Product product)
{
    return product == Product::Kv6 ? 115200 : 9600;
}

int moduleCode(Module module)
{
    switch (module) {
    case Module::Tarn: return 2;
    case Module::BraeLoch: return 1;
    case Module::Skerry: return 3;
    case Module::HalfFjord: return 4;
    }
    return 0;
}

std::optional<Module> moduleForCode(int code)
{
    for (Module module : allModules()) {
        if (moduleCode(module) == code)
            return module;
    }
    return std::nullopt;
}

const QStringList &productKeys()
{
    static const QStringList keys = { "kv5", "kv6" };
    return keys;
}

const QStringList &moduleKeys()
{
    static const QStringList keys = { "tarn", "brae-loch", "skerry", "half-fjord" };
    return keys;
}

const QStringList &modeKeys()
{
    static const QStringList keys = { "p2p", "p2mp" };
    return keys;
}

QString productKey(Product product) { return productKeys().at(allProducts().indexOf(product)); }
QString moduleKey(Module module) { return moduleKeys().at(allModules().indexOf(module)); }
QString modeKey(LinkMode mode) { return modeKeys().at(allLinkModes().indexOf(mode)); }

std::optional<Product> productForKey(const QString &key) { return forKey(productKeys(), allProducts(), key); }
std::optional<Module> moduleForKey(const QString &key) { return forKey(moduleKeys(), allModules(), key); }
std::optional<LinkMode> modeForKey(const QString &key) { return forKey(modeKeys(), allLinkModes(), key); }

QString productCaption(Product product)
{
    return product == Product::Kv6 ? QStringLiteral("KV6 - KV7") : QStringLiteral("KV5");
}

QString moduleCaption(Module module)
{
    static const QStringList captions = { "Tarn", "Brae - Loch", "Skerry", "Half Fjord" };
    return captions.at(allModules().indexOf(module));
}
