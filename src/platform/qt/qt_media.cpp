// Pictures, sound, the shell and help on Qt: BMP files through QImage drawn stretched, WAV files
// through Qt Multimedia (when built with it) played to their end, files handed to the desktop's
// opener, help topics in a viewer window. Sound that cannot be played is silence, never an error.
#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdint>

#include "platform/help_file.h"
#include "platform/qt/qt_state.h"

#ifdef VELK_QT_SOUND
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#endif

namespace platform {

using qt::q;

namespace {

std::uint32_t le32(std::string_view b, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// How long a wave file plays, from its format and data chunks; none when it is no wave file.
std::optional<long long> wave_milliseconds(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
    std::uint32_t byte_rate = 0;
    std::uint64_t data = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t size = le32(bytes, at + 4);
        if (id == "fmt " && at + 20 <= bytes.size()) byte_rate = le32(bytes, at + 16);
        if (id == "data") data = std::min<std::uint64_t>(size, bytes.size() - at - 8);
        at += 8 + size + (size & 1);
    }
    if (byte_rate == 0) return std::nullopt;
    return static_cast<long long>(data * 1000 / byte_rate);
}

QImage read_bitmap(const std::string& path, const files::Files& files)
{
    if (!files.exists(path)) throw PictureError("Nie można wczytać obrazu " + path + ": brak pliku");
    QImage image;
    if (!image.load(q(path), "BMP")) throw PictureError("Plik " + path + " nie jest obrazem BMP");
    return image;
}

}  // namespace

Picture QtToolkit::load_picture(const std::string& path)
{
    const std::string full = s_->files.resolve(path);
    const QImage image = read_bitmap(full, s_->files);
    return Picture{full, image.width(), image.height()};
}

void QtToolkit::draw_picture(WindowId window, const Picture& picture, Rect target)
{
    Win& w = alive_window(window);
    if (!w.pictures || !w.client) throw ToolkitError("window \"" + w.title + "\" cannot show pictures");
    w.pictures->add(read_bitmap(picture.path, s_->files), qt::to_qrect(target));
    w.client->update();
}

// Plays to the end inside a local loop that keeps repainting but takes no input, so that no
// event of the program is handled before the sound has ended.
void QtToolkit::play_sound(const std::string& path)
{
#ifdef VELK_QT_SOUND
    const std::string full = s_->files.resolve(path);
    std::optional<long long> length;
    try {
        if (s_->files.exists(full)) length = wave_milliseconds(s_->files.read_bytes(full));
    } catch (const files::FileError&) {
        return;  // an unreadable file plays as silence, like any other unplayable one
    }
    if (!length || QMediaDevices::audioOutputs().isEmpty()) return;
    throw_if_ending();
    QSoundEffect effect;
    QEventLoop loop;
    bool started = false;
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error) loop.quit();
        if (effect.status() == QSoundEffect::Ready && !started) effect.play();
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (effect.isPlaying()) started = true;
        if (started && !effect.isPlaying()) loop.quit();
    });
    QTimer::singleShot(static_cast<int>(std::min(*length + 3000, 3'600'000LL)), &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(q(full)));
    if (effect.status() == QSoundEffect::Ready) effect.play();
    s_->nested_loops.push_back([&loop] { loop.quit(); });
    s_->playing_sound = true;
    struct Pop {
        State& s;
        ~Pop()
        {
            s.nested_loops.pop_back();
            s.playing_sound = false;
        }
    } pop{*s_};
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    effect.stop();
    throw_if_ending();
#else
    (void)path;
#endif
}

bool QtToolkit::accepts_user_input() const { return !s_->playing_sound; }

int QtToolkit::shell_open(const std::string& path, bool)
{
    const std::string full = s_->files.resolve(path);
    if (!s_->files.exists(full) && !s_->files.directory_exists(full)) return 2;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(q(full))) ? 42 : 31;
}

// The help viewer: one window beside the main window (not modal, as help viewers are), showing
// one topic at a time; asking for another topic shows it in the same window.
void QtToolkit::show_help_topic(const std::string& help_file, int context)
{
    const std::string full = s_->files.resolve(help_file);
    std::string text;
    try {
        text = s_->files.read_text(full).text;
    } catch (const files::FileError&) {
        error_box(kHelpBoxTitle, help_file_missing_text(full));
        return;
    }
    const std::optional<HelpTopic> topic = help_topic(text, context);
    if (!topic) {
        error_box(kHelpBoxTitle, help_topic_missing_text(full, context));
        return;
    }
    QWidget* owner = s_->main_frame;
    QWidget* viewer = owner ? owner->findChild<QWidget*>(QStringLiteral("help-viewer"), Qt::FindDirectChildrenOnly)
                            : nullptr;
    if (!viewer) {
        viewer = new QWidget(owner, Qt::Window);
        viewer->setObjectName(QStringLiteral("help-viewer"));
        auto* layout = new QVBoxLayout(viewer);
        auto* heading = new QLabel(viewer);
        heading->setObjectName(QStringLiteral("help-title"));
        heading->setTextFormat(Qt::PlainText);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        auto* body = new QPlainTextEdit(viewer);
        body->setObjectName(QStringLiteral("help-text"));
        body->setReadOnly(true);
        layout->addWidget(heading);
        layout->addWidget(body);
        viewer->resize(520, 400);
    }
    viewer->setWindowTitle(QStringLiteral("Pomoc - %1").arg(q(topic->title)));
    viewer->findChild<QLabel*>(QStringLiteral("help-title"))->setText(q(topic->title));
    viewer->findChild<QPlainTextEdit*>(QStringLiteral("help-text"))->setPlainText(q(topic->text));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace platform
