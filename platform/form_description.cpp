// Finding a control of a form by name, and loading a form's description
// from the program's resources.
#include "platform/form_description.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>

#include "platform/run_error.h"

namespace platform {
namespace {

constexpr std::size_t kLongestName = 21;

// Names are counted in characters, not bytes.
std::size_t character_count(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void check_name(std::string_view name) {
    const std::size_t length = character_count(name);
    if (length == 0 || length > kLongestName) throw RunError(ErrorNumber::BadArgument);
}

}  // namespace

const ControlDescription& FormDescription::control(std::string_view name) const {
    check_name(name);
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const ControlDescription& c) { return c.name == name; });
    if (found == controls.end()) throw RunError(ErrorNumber::NoSuchControl);
    return *found;
}

FormDescription load_form(std::string_view folder, std::string_view name) {
    check_name(name);
    auto text = [](std::string_view s) {
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    QFile resource(text(folder) + QLatin1Char('/') + text(name));
    if (!resource.exists()) throw RunError(ErrorNumber::NoSuchResource);
    if (!resource.open(QIODevice::ReadOnly)) throw RunError(ErrorNumber::ResourceNotLocked);
    const QByteArray bytes = resource.readAll();
    return read_form_stream(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}

}  // namespace platform
