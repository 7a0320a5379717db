#pragma once

// Labels as assistive technology reads them.

class QWidget;

namespace ql::test {

// Every label under root that shows text reads as that text: none carries an accessible name
// set by hand (which would hide the text, and Qt announces no change of the text then). A
// picture without text is left alone: it is named for what it shows.
void ExpectLabelsReadAsTheirText(const QWidget& root);

}  // namespace ql::test
