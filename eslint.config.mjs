// ESLint's recommended rules for the page's scripts and the build, test and
// benchmark programs, run by tools/lint.sh from the repository's root.
import js from '@eslint/js';
import globals from 'globals';

// The page's script: build_page.mjs puts page.js and loader.js in one
// function whose parameter `RURO` is the page's description; loader.js
// defines `calculation` for page.js.
const pageScript = { sourceType: 'script', globals: { ...globals.browser, RURO: 'readonly' } };

export default [
  js.configs.recommended,
  {
    files: ['web/page.js'],
    languageOptions: { ...pageScript, globals: { ...pageScript.globals, calculation: 'readonly' } },
  },
  {
    files: ['web/loader.js'],
    languageOptions: pageScript,
    rules: { 'no-unused-vars': ['error', { varsIgnorePattern: '^calculation$' }] },
  },
  { files: ['web/sw.js'], languageOptions: { sourceType: 'script', globals: globals.serviceworker } },
  // The extension that discards a tab for the page's test.
  { files: ['tests/web/discard/*.js'], languageOptions: { sourceType: 'script', globals: { ...globals.serviceworker, ...globals.webextensions } } },
  { files: ['**/*.mjs'], languageOptions: { globals: globals.node } },
  // Tests and benchmarks hand functions to page.evaluate, which run in the
  // page: its globals and the accessibility checker the tests load into it.
  {
    files: ['tests/web/*.mjs', 'tools/browser.mjs', 'bench/*.mjs'],
    languageOptions: { globals: { ...globals.browser, axe: 'readonly' } },
  },
];
