// quovadrin --render as a command: the batch run with its German report on
// the console and the exit status a script can test.
#ifndef QUOVADRIN_RENDER_RENDER_COMMAND_H
#define QUOVADRIN_RENDER_RENDER_COMMAND_H

#include <cstdio>

#include "render/render_batch.h"

/// The exit status when every picture and the overview were written.
constexpr int RenderSucceeded = 0;
/// The exit status when any of them failed (the rest are written all the same).
constexpr int RenderFailed = 1;

/// Renders \p Request: one line on \p Errors for each file that failed or
/// was stopped by the step cap, and one line on \p Out naming the overview.
/// Returns RenderSucceeded or RenderFailed.
int runRenderCommand(const RenderRequest &Request, std::FILE *Out, std::FILE *Errors);

#endif
