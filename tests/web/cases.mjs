// The shared table of plantations (tests/cases/plantations.txt), as the
// page's tests read it: one case by name, under a decimal separator.
import { readFileSync } from 'node:fs';

const table = readFileSync(new URL('../cases/plantations.txt', import.meta.url), 'utf8');

export function plantation(name, separator = '.') {
  const line = table.split('\n').find((l) => l.startsWith(`${name}|`));
  if (!line) throw new Error(`no plantation ${name}`);
  const [, system, hectares, distance, length, width, diameter, sep, ...rest] = line.split('|');
  if (sep !== '*' && sep !== separator) throw new Error(`plantation ${name} holds for "${sep}" only`);
  const refusal = rest[0].startsWith('refused:') ? rest[0].slice('refused:'.length) : null;
  const results = refusal ? [] : rest.map((text) => text.replace('.', separator));
  return { system, hectares, distance, length, width, diameter, refusal, results };
}
