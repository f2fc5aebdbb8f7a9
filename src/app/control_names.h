// The names by which assistive technology announces the controls that have
// neither a caption nor a tool tip to be named by: lists, text boxes and the
// cells of the topic grids.
#pragma once

namespace app {

class Program;

// Gives those controls of every window their accessible names; loads no
// window.
void nameControls(Program& p);

} // namespace app
