#include "app/qt_sound_sink.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace galloria {

QtSoundSink::QtSoundSink() = default;

QtSoundSink::~QtSoundSink()
{
    Stop();
}

void QtSoundSink::PlayOnce(std::string_view fileName)
{
    Start(fileName, false);
}

void QtSoundSink::PlayLoop(std::string_view fileName)
{
    Start(fileName, true);
}

void QtSoundSink::Stop()
{
    current_.clear();
    if (effect_)
        effect_->stop();
}

void QtSoundSink::Start(std::string_view fileName, bool loop)
{
    // A new request cuts off the sound before it, even when its own file is
    // missing.
    Stop();
    const QFileInfo file(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
    if (fileName.empty() || !file.isFile())
        return;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(file.absoluteFilePath());
    if (effect_->source() != source)
        effect_->setSource(source);
    effect_->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect_->play();
    current_ = file.absoluteFilePath();
}

} // namespace galloria
