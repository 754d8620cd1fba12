// Finding the handheld's windows and controls on the page and acting on
// them as a person does: the page marks each window with its caption
// (data-text), control id (data-ctrl-id) and state (data-checked,
// data-selected, ...).
export const timeout = 10000;

export function windowByCaption(page, caption) {
  return page.locator(`#screen > .win[data-text="${caption}"]`);
}

export function control(scope, id) {
  return scope.locator(`.win[data-ctrl-id="${id}"]`);
}

// Waits until the locator matches a visible element.
export async function shown(locator) {
  await locator.waitFor({ state: 'visible', timeout });
  return locator;
}

export async function gone(locator) {
  await locator.waitFor({ state: 'detached', timeout });
}

// The locator narrowed to elements whose attribute has this value.
export function withState(locator, attribute, value) {
  return locator.and(locator.page().locator(`[${attribute}="${value}"]`));
}

// Waits until the element shows the attribute's value.
export async function becomes(locator, attribute, value) {
  await shown(withState(locator, attribute, value));
}

// Waits until every action sent has been answered.
export async function settled(page) {
  await page.waitForFunction(() => document.body.dataset.pending === '0', null, { timeout });
}
