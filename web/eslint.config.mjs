// The page's scripts and the build, test and benchmark programs: ESLint's
// recommended rules, checked in CI by tools/lint.sh, which runs from the
// repository's root so that bench/ is covered too:
//
//   web/node_modules/.bin/eslint --config web/eslint.config.mjs web bench
//
// Paths here are relative to that root.
import js from '@eslint/js';
import globals from 'globals';

// The page's classic scripts share one global scope: build_page.mjs puts
// `const RURO` (the page's description) before page.js, and loader.js, read
// first, defines the names listed here for the scripts after it.
const sharedBy = { 'web/loader.js': ['calculationLoading'] };
const pageScript = (file) => {
  const fromOthers = Object.entries(sharedBy).filter(([other]) => other !== file).flatMap(([, names]) => names);
  const own = sharedBy[file] ?? [];
  return {
    files: [file],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.browser, RURO: 'readonly', ...Object.fromEntries(fromOthers.map((name) => [name, 'readonly'])) },
    },
    rules: own.length ? { 'no-unused-vars': ['error', { varsIgnorePattern: `^(${own.join('|')})$` }] } : {},
  };
};

export default [
  js.configs.recommended,
  pageScript('web/page.js'),
  pageScript('web/loader.js'),
  {
    files: ['web/sw.js'],
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
  },
  {
    files: ['**/*.mjs'],
    languageOptions: { globals: globals.node },
  },
  // Tests and benchmarks hand functions to page.evaluate, which run in the
  // page: its globals, the page's own object and the accessibility checker
  // the tests load into it.
  {
    files: ['web/test/*.mjs', 'bench/*.mjs'],
    languageOptions: { globals: { ...globals.browser, rurorovirora: 'readonly', axe: 'readonly' } },
  },
];
