// ESLint's recommended rules for the page's scripts and the build, test and
// benchmark programs, run by tools/lint.sh from the repository's root.
import js from '@eslint/js';
import globals from 'globals';

// The page's classic scripts share one global scope: build_page.mjs puts
// `const RURO` (the page's description) before page.js, and loader.js, read
// first, defines `calculationLoading` for it.
const pageScript = { sourceType: 'script', globals: { ...globals.browser, RURO: 'readonly' } };

export default [
  js.configs.recommended,
  {
    files: ['web/page.js'],
    languageOptions: { ...pageScript, globals: { ...pageScript.globals, calculationLoading: 'readonly' } },
  },
  {
    files: ['web/loader.js'],
    languageOptions: pageScript,
    rules: { 'no-unused-vars': ['error', { varsIgnorePattern: '^calculationLoading$' }] },
  },
  { files: ['web/sw.js'], languageOptions: { sourceType: 'script', globals: globals.serviceworker } },
  { files: ['**/*.mjs'], languageOptions: { globals: globals.node } },
  // Tests and benchmarks hand functions to page.evaluate, which run in the
  // page: its globals, the page's own object and the accessibility checker
  // the tests load into it.
  {
    files: ['tests/web/*.mjs', 'tools/browser.mjs', 'bench/*.mjs'],
    languageOptions: { globals: { ...globals.browser, rurorovirora: 'readonly', axe: 'readonly' } },
  },
];
