// Playback: one stream at a time through the audio library. Play, previous and next work on the
// playlist's selection; a paused song is resumed by Play, previous and next alike.
#include "player/Playback.h"

#include "sidebar/TForm1.h"
#include "ui/Application.h"

namespace brivane {

HSTREAM CurrentStream = 0;

void TForm1::initAudioOutput() {
    if (!BASS_Init(-1, 44100, 0, handle(), nullptr))
        ui::Application::instance().messageBox("Audio initialization failed");
}

void TForm1::PlaySong(int Index) {
    if (Index < 0) return;
    if (CurrentStream != 0) BASS_StreamFree(CurrentStream);
    CurrentStream = BASS_StreamCreateFile(FALSE, ListBox2.item(Index).c_str(), 0, 0, 0);
    if (CurrentStream == 0) {
        ui::Application::instance().messageBox(
            "Error loading file, the files it is a wrong file type!");
        return;
    }
    pnlDisplay.setCaption(ListBox1.item(Index));
    BASS_ChannelPlay(CurrentStream, FALSE);
}

void TForm1::PlayClick() {
    if (BASS_ChannelIsActive(CurrentStream) == BASS_ACTIVE_PAUSED) {
        BASS_ChannelPlay(CurrentStream, FALSE);
        return;
    }
    // The selected entry afresh from its beginning, also when it is playing already.
    PlaySong(ListBox1.itemIndex());
}

void TForm1::btnPauseClick() { BASS_ChannelPause(CurrentStream); }

void TForm1::btnStopClick() {
    BASS_ChannelStop(CurrentStream);
    BASS_ChannelSetPosition(CurrentStream, 0);
}

// Previous and next ask the list box for the line before or after the selected one and play
// whatever it then reports as selected. An index outside the list leaves no line selected, so
// next on the last entry and previous on the first clear the selection and load nothing (the
// song now playing goes on); next with nothing selected selects and plays the first entry.

void TForm1::prevClick() {
    if (BASS_ChannelIsActive(CurrentStream) == BASS_ACTIVE_PAUSED) {
        BASS_ChannelPlay(CurrentStream, FALSE);
        return;
    }
    ListBox1.setItemIndex(ListBox1.itemIndex() - 1);
    PlaySong(ListBox1.itemIndex());
}

void TForm1::nextClick() {
    if (BASS_ChannelIsActive(CurrentStream) == BASS_ACTIVE_PAUSED) {
        BASS_ChannelPlay(CurrentStream, FALSE);
        return;
    }
    ListBox1.setItemIndex(ListBox1.itemIndex() + 1);
    PlaySong(ListBox1.itemIndex());
}

void TForm1::ListBox1DblClick() {
    // No paused test: a double-click always loads the selected entry afresh.
    PlaySong(ListBox1.itemIndex());
}

}  // namespace brivane
