#include "app/MenuPack.h"

#include "common/CommandIds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Resource and command ids are positive 16-bit numbers, as in the program's own
// resource set; anything else is not an id.
std::optional<int> idFrom(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < 0 || number > 0xFFFF || number != static_cast<int>(number))
        return std::nullopt;
    return static_cast<int>(number);
}

std::optional<int> idFrom(const QString& key) {
    bool ok = false;
    const int number = key.toInt(&ok);
    if (!ok || number <= 0 || number > 0xFFFF)
        return std::nullopt;
    return number;
}

QList<PackMenuItem> readItems(const QJsonArray& array, int depth) {
    QList<PackMenuItem> items;
    if (depth > MenuPack::MaxDepth)
        return items;
    for (const QJsonValue& value : array) {
        if (!value.isObject())
            continue;
        const QJsonObject object = value.toObject();
        PackMenuItem item;
        if (object.value("separator").toBool()) {
            item.separator = true;
            items.append(item);
            continue;
        }
        item.text = object.value("text").toString();
        if (object.contains("items")) {
            item.items = readItems(object.value("items").toArray(), depth + 1);
        } else {
            const std::optional<int> id = idFrom(object.value("id"));
            if (!id || *id == 0)
                continue;
            item.id = *id;
        }
        items.append(item);
    }
    return items;
}

} // namespace

std::optional<MenuPack> MenuPack::parse(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        if (error)
            *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                  : QStringLiteral("not an object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    MenuPack pack;

    const QJsonObject menus = root.value("menus").toObject();
    for (auto it = menus.begin(); it != menus.end(); ++it) {
        if (const std::optional<int> id = idFrom(it.key()))
            pack.m_menus.insert(*id, readItems(it.value().toArray(), 1));
    }
    if (pack.m_menus.value(command::MenuDocument).isEmpty()) {
        if (error)
            *error = QStringLiteral("no document menu");
        return std::nullopt;
    }

    const QJsonObject tables = root.value("accelerators").toObject();
    for (auto it = tables.begin(); it != tables.end(); ++it) {
        const std::optional<int> tableId = idFrom(it.key());
        if (!tableId)
            continue;
        QList<PackAccelerator>& table = pack.m_accelerators[*tableId];
        for (const QJsonValue& value : it.value().toArray()) {
            const QJsonObject entry = value.toObject();
            const std::optional<int> id = idFrom(entry.value("id"));
            const QString key = entry.value("key").toString();
            if (id && *id != 0 && !key.isEmpty())
                table.append({key, *id});
        }
    }

    const QJsonObject toolbars = root.value("toolbars").toObject();
    for (auto it = toolbars.begin(); it != toolbars.end(); ++it) {
        const std::optional<int> toolbarId = idFrom(it.key());
        if (!toolbarId)
            continue;
        QList<int>& buttons = pack.m_toolbars[*toolbarId];
        for (const QJsonValue& value : it.value().toArray()) {
            if (const std::optional<int> id = idFrom(value))
                buttons.append(*id);
        }
    }

    // A prompt is "status text\ntool tip", as in a string table.
    const QJsonObject prompts = root.value("prompts").toObject();
    for (auto it = prompts.begin(); it != prompts.end(); ++it) {
        const std::optional<int> id = idFrom(it.key());
        if (!id || !it.value().isString())
            continue;
        const QString text = it.value().toString();
        const qsizetype newline = text.indexOf('\n');
        pack.m_prompts.insert(*id, newline < 0
                                       ? PackPrompt{text, QString()}
                                       : PackPrompt{text.left(newline), text.mid(newline + 1)});
    }
    return pack;
}
