// Pressed-button feedback: while a mouse button is held on one of the eight image buttons it
// shows its lit picture. Each handler loads one fixed picture, whatever the button or position.
// The remove button is the one inversion: "remove1" is its normal picture, "remove" the lit one.
#include "sidebar/TForm1.h"

namespace brivane {

void TForm1::PlayMouseDown(const ui::MouseEvent&) { Play.loadFromResource("play1"); }
void TForm1::PlayMouseUp(const ui::MouseEvent&) { Play.loadFromResource("play"); }

void TForm1::OpenMouseDown(const ui::MouseEvent&) { Open.loadFromResource("open1"); }
void TForm1::OpenMouseUp(const ui::MouseEvent&) { Open.loadFromResource("open"); }

void TForm1::btnStopMouseDown(const ui::MouseEvent&) { btnStop.loadFromResource("stop1"); }
void TForm1::btnStopMouseUp(const ui::MouseEvent&) { btnStop.loadFromResource("stop"); }

void TForm1::btnPauseMouseDown(const ui::MouseEvent&) { btnPause.loadFromResource("pause1"); }
void TForm1::btnPauseMouseUp(const ui::MouseEvent&) { btnPause.loadFromResource("pause"); }

void TForm1::removeMouseDown(const ui::MouseEvent&) { remove.loadFromResource("remove"); }
void TForm1::removeMouseUp(const ui::MouseEvent&) { remove.loadFromResource("remove1"); }

void TForm1::goMouseDown(const ui::MouseEvent&) { go.loadFromResource("websearch1"); }
void TForm1::goMouseUp(const ui::MouseEvent&) { go.loadFromResource("websearch"); }

void TForm1::prevMouseDown(const ui::MouseEvent&) { prev.loadFromResource("prev1"); }
void TForm1::prevMouseUp(const ui::MouseEvent&) { prev.loadFromResource("prev"); }

void TForm1::nextMouseDown(const ui::MouseEvent&) { next.loadFromResource("next1"); }
void TForm1::nextMouseUp(const ui::MouseEvent&) { next.loadFromResource("next"); }

}  // namespace brivane
