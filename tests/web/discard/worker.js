// The page's test (tests/web/page.test.mjs) calls this in the extension's
// worker: the tab showing `url`, in the background, is discarded as the
// browser discards a tab to take back its memory, then shown again, which
// loads its page again. Whether it was discarded.
self.discardAndShow = async (url) => {
  const [tab] = await chrome.tabs.query({ url });
  const discarded = await chrome.tabs.discard(tab.id);
  await chrome.tabs.update(discarded.id, { active: true });
  return discarded.discarded;
};
