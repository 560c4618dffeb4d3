#include "command_request.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <utility>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;

constexpr std::array<std::pair<Kind, const char*>, 8> KindNames{{
    {Kind::AddOneTime, "AddOneTime"},
    {Kind::AddRepeating, "AddRepeating"},
    {Kind::List, "List"},
    {Kind::Show, "Show"},
    {Kind::Quit, "Quit"},
    {Kind::PreviewImport, "PreviewImport"},
    {Kind::Import, "Import"},
    {Kind::Export, "Export"},
}};

std::optional<Kind> KindNamed(const QString& name) {
    for (const auto& [kind, text] : KindNames)
        if (name == QLatin1String(text))
            return kind;
    return std::nullopt;
}

QByteArray Line(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

// The object on a line; none for anything else.
std::optional<QJsonObject> ObjectOf(const QByteArray& line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

QString KindName(Kind kind) {
    for (const auto& [each, text] : KindNames)
        if (each == kind)
            return QLatin1String(text);
    return {};
}

QByteArray EncodeRequest(const CommandRequest& request) {
    return Line({{"command", KindName(request.kind)},
                 {"when", request.when},
                 {"message", request.message},
                 {"sound", request.sound},
                 {"action", request.action},
                 {"json", request.json},
                 {"file", request.file}});
}

std::optional<CommandRequest> DecodeRequest(const QByteArray& line) {
    const std::optional<QJsonObject> object = ObjectOf(line);
    if (!object)
        return std::nullopt;
    const std::optional<Kind> kind = KindNamed((*object)["command"].toString());
    if (!kind)
        return std::nullopt;
    return CommandRequest{*kind,
                          (*object)["when"].toString(),
                          (*object)["message"].toString(),
                          (*object)["sound"].toString(),
                          (*object)["action"].toString(),
                          (*object)["json"].toBool(),
                          (*object)["file"].toString()};
}

QByteArray EncodeReply(const CommandReply& reply) {
    return Line({{"exit", reply.exitCode},
                 {"output", reply.output},
                 {"error", reply.error},
                 {"count", reply.count}});
}

std::optional<CommandReply> DecodeReply(const QByteArray& line) {
    const std::optional<QJsonObject> object = ObjectOf(line);
    if (!object || !(*object)["exit"].isDouble())
        return std::nullopt;
    return CommandReply{(*object)["exit"].toInt(), (*object)["output"].toString(),
                        (*object)["error"].toString(), (*object)["count"].toInt()};
}

} // namespace nudgery
