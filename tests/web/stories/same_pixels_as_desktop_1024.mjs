// The page draws the canvas as the desktop program does at 1024 x 768: shapes
// of every kind at the canvas's edges and corners, the pen marker at column
// 0 and the example (harness/differential.mjs).
import { compareWithDesktop } from '../harness/differential.mjs';

export default {
  name: 'the canvas shows the same dark pixels as on the desktop at 1024 x 768',
  launch: { width: 1024, height: 768 },
  opensPage: true,
  run: compareWithDesktop,
};
