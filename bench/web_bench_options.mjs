// The options both benchmarks of the page take, so that run_web_bench.sh
// hands its arguments to each:
//   PAGE_DIR [--ratio R] [--engines chromium,firefox,webkit] [--runs N]
// R is the device pixel ratio (1), N how many runs a median is taken of (3).
import { EngineNames } from '../tests/web/harness/engine.mjs';

/** The options in args, or an error naming the program's usage. */
export function parseBenchArguments(args, program) {
  const options = { pageDir: null, ratio: 1, engines: EngineNames, runs: 3 };
  for (let i = 0; i < args.length; ++i) {
    if (args[i] === '--ratio') options.ratio = Number(args[++i]);
    else if (args[i] === '--engines') options.engines = args[++i].split(',');
    else if (args[i] === '--runs') options.runs = Number(args[++i]);
    else options.pageDir = args[i];
  }
  if (!options.pageDir || !(options.ratio > 0) || !(options.runs > 0) ||
      options.engines.some((engine) => !EngineNames.includes(engine)))
    throw new Error(`usage: ${program} PAGE_DIR [--ratio R] [--engines LIST] [--runs N]`);
  return options;
}
