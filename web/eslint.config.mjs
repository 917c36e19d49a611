// The page's script and the build, test and benchmark programs: ESLint's
// recommended rules, checked in CI by tools/lint.sh.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['node_modules/**'] },
  js.configs.recommended,
  {
    files: ['page.js', 'loader.js', '*.sw.js', 'sw.js'],
    languageOptions: { sourceType: 'script', globals: { ...globals.browser, RURO: 'readonly', calculationLoading: 'readonly' } },
  },
  {
    files: ['**/*.mjs', '../bench/*.mjs'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
];
