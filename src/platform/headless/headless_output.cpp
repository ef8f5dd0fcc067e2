// What the headless toolkit shows besides windows: the auxiliary window and the current output
// file, pictures, sounds, the shell and help, all written to the transcript. Plays and draws
// nothing; unplayable sound is silence, never an error; help shows the topic's title.
#include "platform/headless/headless_toolkit.h"

#include <algorithm>

#include "platform/headless/media_files.h"
#include "platform/headless/window_state.h"
#include "platform/help_file.h"

namespace platform::headless {

using namespace detail;

// ---- The auxiliary window and the current output ---------------------------------------------------

void HeadlessToolkit::create_aux_window(int max_lines)
{
    if (life_.ending() || aux_) return;
    alive_window(life_.main());
    aux_.emplace(max_lines);
    transcript_.aux_restart();
    transcript_.line("aux window opened (" + std::to_string(aux_->max_lines()) + " lines)");
}

void HeadlessToolkit::close_aux_window()
{
    if (!aux_) return;
    aux_.reset();
    transcript_.aux_restart();
    transcript_.line("aux window closed");
}

void HeadlessToolkit::clear_aux_window()
{
    if (!aux_) return;
    aux_->clear();
    transcript_.aux_restart();
    transcript_.line("aux window cleared");
}

void HeadlessToolkit::write(std::string_view text)
{
    if (output_.is_open()) {
        output_.append(text);
        return;
    }
    if (aux_) aux_->write(text);
    transcript_.aux(scrub(text), aux_.has_value());
}

void HeadlessToolkit::open_output_file(const std::string& path)
{
    if (output_.is_open()) close_output_file();
    output_.open(path);
    transcript_.line("output file " + in_quotes(relative(output_.path())) + " opened");
}

void HeadlessToolkit::close_output_file()
{
    if (!output_.is_open()) return;
    const OutputFile::Written written = output_.close();
    transcript_.line("output file " + in_quotes(relative(written.path)) + " written" + (written.text.empty() ? " (empty)" : ":"));
    std::string_view rest = written.text;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        transcript_.line("  | " + scrub(rest.substr(0, end)));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
}

// ---- Pictures, sound, shell, help -----------------------------------------------------------------

Picture HeadlessToolkit::load_picture(const std::string& path)
{
    const std::string full = files_.resolve(path);
    std::string bytes;
    try {
        bytes = files_.read_bytes(full);
    } catch (const files::FileError& error) {
        throw PictureError("Nie można wczytać obrazu " + full + ": " + error.what());
    }
    const auto size = bitmap_size(bytes);
    if (!size) throw PictureError("Plik " + full + " nie jest obrazem BMP");
    return Picture{full, size->width, size->height};
}

void HeadlessToolkit::draw_picture(WindowId window, const Picture& picture, Rect target)
{
    const Window& w = alive_window(window);
    transcript_.line("picture " + in_quotes(relative(picture.path)) + " " + std::to_string(picture.width) + "x" +
                     std::to_string(picture.height) + " drawn in " + describe_window(w) + " at " + rect_text(target));
}

void HeadlessToolkit::play_sound(const std::string& path)
{
    const std::string full = files_.resolve(path);
    bool playable = false;
    try {
        playable = files_.exists(full) && is_wave(files_.read_bytes(full));
    } catch (const files::FileError&) {
        playable = false;  // an unreadable file plays as silence, like any other unplayable one
    }
    transcript_.line("sound " + in_quotes(relative(full)) + (playable ? " played" : " silent (cannot be played)"));
}

int HeadlessToolkit::shell_open(const std::string& path, bool maximised)
{
    const std::string full = files_.resolve(path);
    const int result = files_.exists(full) ? 42 : 2;
    transcript_.line("shell open " + in_quotes(relative(full)) + (maximised ? " maximised" : "") + " -> " +
                     std::to_string(result));
    return result;
}

// The topic is looked up as the Qt back-end's help viewer does, and a missing file or topic is
// reported in the same error box.
void HeadlessToolkit::show_help_topic(const std::string& help_file, int context)
{
    const std::string full = files_.resolve(help_file);
    std::string text;
    try {
        text = files_.read_text(full).text;
    } catch (const files::FileError&) {
        error_box(kHelpBoxTitle, help_file_missing_text(full));
        return;
    }
    const std::optional<HelpTopic> topic = help_topic(text, context);
    if (!topic) {
        error_box(kHelpBoxTitle, help_topic_missing_text(full, context));
        return;
    }
    transcript_.line("help " + in_quotes(relative(full)) + " topic " + std::to_string(context) + ": " +
                     q(topic->title));
}

}  // namespace platform::headless
