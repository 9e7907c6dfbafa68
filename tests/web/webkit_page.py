"""The page in WebKit (WebKitGTK's WebDriver and MiniBrowser on $DISPLAY),
run by lab_page.test.mjs: webkit_page.py <trelko.html>. From its folder,
the title answers Enter, a click hangs the 0.5 kg weight, Tab and Space a
0.2 kg one, with no script error."""
import json
import os
import sys
import time

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options


def wait_for(driver, script, *args):
    end = time.monotonic() + 20
    while not driver.execute_script(script, *args):
        assert time.monotonic() < end, 'waited in vain for: ' + script
        time.sleep(0.05)
    time.sleep(0.2)  # a pressed picture holds the window 0.1 s


def main(page):
    layout = json.load(open(os.path.join(os.path.dirname(page), 'lab_layout.json')))
    options = Options()
    options.binary_location = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
    options.add_argument('--automation')
    driver = webdriver.WebKitGTK(options=options)
    press = lambda key: ActionChains(driver).send_keys(key).perform()  # noqa: E731
    message = 'return document.querySelector(\'[data-control-id="1001"]\').value === arguments[0]'
    try:
        driver.get('file://' + page)
        wait_for(driver, 'return document.activeElement.dataset.controlId === "1"')
        driver.execute_script('window.labErrors = [];'
                              'addEventListener("error", (e) => labErrors.push(e.message));')
        press(Keys.ENTER)
        wait_for(driver, 'return document.querySelectorAll("[data-instrument]").length === 12')
        canvas = driver.find_element('css selector', 'canvas.lab-surface')
        scale = driver.execute_script(
            'return arguments[0].getBoundingClientRect().width / arguments[0].width', canvas)
        x, y = layout['weights'][0]['onRack']  # the 0.5 kg weight; offsets from the middle
        ActionChains(driver).move_to_element_with_offset(
            canvas, (x + 0.5) * scale - canvas.size['width'] / 2,
            (y + 0.5) * scale - canvas.size['height'] / 2).click().perform()
        wait_for(driver, message, ' Massa penjada del fil el\u00e0stic = 1.5 kg')
        for _ in range(30):
            if driver.execute_script('return document.activeElement.dataset.instrument === "7"'):
                break
            press(Keys.TAB)
        press(Keys.SPACE)
        wait_for(driver, message, ' Massa penjada del fil el\u00e0stic = 1.7 kg')
        assert driver.execute_script('return labErrors.length === 0'), 'script errors'
    finally:
        driver.quit()


if __name__ == '__main__':
    main(os.path.abspath(sys.argv[1]))
